#include "platform/form_scale_win32.h"

#include <utility>

#include "platform/dpi_win32.h"
#include "platform/failure_report.h"

namespace kuvano {

Place FormScale::Scaled(Place designPlace) const {
    return {Scaled(designPlace.left), Scaled(designPlace.top), Scaled(designPlace.width), Scaled(designPlace.height)};
}

FormScale::FontId FormScale::AddFont(int designHeight, bool bold, bool fixedPitch) {
    fontRequests_.push_back({designHeight, bold, fixedPitch});
    fonts_.push_back(MakeFont(fontRequests_.back()));
    return fonts_.size() - 1;
}

HWND FormScale::AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, Place designPlace,
                           int id, FontId font, DWORD exStyle) {
    const HWND control =
        kuvano::AddControl(parent, className, text, style, Scaled(designPlace), id, Font(font), exStyle);
    followed_.push_back({control, designPlace, font});
    return control;
}

void FormScale::Follow(HWND window, std::optional<Place> designPlace, std::optional<FontId> font) {
    followed_.push_back({window, designPlace, font});
    if (font) SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font(*font)), FALSE);
    Put(followed_.back());
}

// The old fonts are freed only once no window holds them any more.
void FormScale::Rescale(int dpi) {
    dpi_ = dpi;
    std::vector<UniqueFont> oldFonts;
    oldFonts.swap(fonts_);
    for (const FontRequest& request : fontRequests_) fonts_.push_back(MakeFont(request));
    for (const Followed& followed : followed_) {
        if (followed.font)
            SendMessageW(followed.window, WM_SETFONT, reinterpret_cast<WPARAM>(Font(*followed.font)), TRUE);
    }
    oldFonts.clear();
    for (const Followed& followed : followed_) Put(followed);
}

void FormScale::OnDpiChanged(HWND form, WPARAM wParam, LPARAM lParam) {
    Rescale(AcceptDpiChange(form, wParam, lParam));
    FitFrame(form);
}

bool FormScale::FollowMonitor(HWND form) {
    const int dpi = MonitorDpi(MonitorFromWindow(form, MONITOR_DEFAULTTOPRIMARY));
    if (dpi == dpi_) return false;
    Rescale(dpi);
    FitFrame(form);
    return true;
}

// The frame is measured as it is, not computed: the system draws it at the
// DPI it chose, which a form cannot always tell from its own.
void FormScale::FitFrame(HWND form) const {
    RECT window{};
    RECT client{};
    if (!GetWindowRect(form, &window) || !GetClientRect(form, &client)) {
        ReportFailure(L"measuring a form's frame");
        return;
    }
    const Size wanted = Client();
    SetWindowPos(form, nullptr, 0, 0, window.right - window.left - client.right + wanted.width,
                 window.bottom - window.top - client.bottom + wanted.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Size FormScale::StartOnPrimaryMonitor(DWORD style, DWORD exStyle) {
    Rescale(PrimaryMonitorDpi());
    RECT frame{0, 0, Client().width, Client().height};
    if (!AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi_))) {
        ReportFailure(L"sizing a form's frame");
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

UniqueFont FormScale::MakeFont(const FontRequest& request) const {
    const int height = Scaled(request.designHeight);
    return request.fixedPitch ? FixedPitchFont(height) : FormFont(height, request.bold);
}

void FormScale::Put(const Followed& followed) const {
    if (!followed.designPlace) return;
    const Place place = Scaled(*followed.designPlace);
    SetWindowPos(followed.window, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

Place PlaceInParent(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace kuvano
