#include "sidebar/sidebar_window_win32.h"

#include <commctrl.h>

#include "core/display_scale.h"
#include "platform/colour_dialog_win32.h"
#include "platform/dpi_win32.h"
#include "platform/failure_report.h"
#include "platform/form_helpers_win32.h"
#include "platform/locale_win32.h"
#include "platform/scoped_win32.h"
#include "platform/shell_apartment_win32.h"
#include "platform/taskbar_created_win32.h"
#include "platform/wide_text_win32.h"
#include "sidebar/gdi_gauge_canvas_win32.h"

namespace kuvano {
namespace {

constexpr UINT kBackgroundHintId = 100;

bool Meets(const Gauge& gauge, const RECT& area) {
    return gauge.left < area.right && gauge.left + gauge.width > area.left && gauge.top < area.bottom &&
           gauge.top + gauge.height > area.top;
}

Point PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

SidebarWindow::SidebarWindow(HWND owner, Settings& settings, const LowSpaceWarning& warning, SidebarMenu& menu,
                             ApplicationMenu application)
    : settings_(settings), menu_(menu), application_(std::move(application)), gauges_(settings, warning) {
    Create({.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST, .style = WS_POPUP, .parent = owner});
    shell_.emplace(Handle());
    hints_ = CreateHintWindow(Handle());
    // Gauge tools first: the hint control takes the first tool under the mouse.
    for (UINT slot = 0; slot < kSidebarSlots; ++slot) AddHintTool(slot, L"");
    AddHintTool(kBackgroundHintId, kHint);

    ReceiveTaskbarCreated(Handle());
    shell_->New();
    Dock();
    if (settings_.sidebarAtStart == 1) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

LRESULT SidebarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) RelayToHints(message, wParam, lParam);
    if (message == TaskbarCreatedMessage() && shell_->Registered()) {
        // A new Explorer knows no toolbars: register and reserve the strip again.
        shell_->New();
        Dock();
        return 0;
    }
    switch (message) {
        // A tool window may not hear of its own DPI: a change of the display
        // docks the strip again, which reads its monitor's DPI afresh.
        case WM_DPICHANGED:
        case WM_DISPLAYCHANGE:
            if (IsShown()) Dock();
            return 0;
        case WM_ERASEBKGND: return 1;  // the paint covers everything
        case WM_PAINT: Paint(); return 0;
        case WM_LBUTTONDOWN: OnLeftButton(LeftButton::Press, PointOf(lParam)); return 0;
        case WM_LBUTTONDBLCLK: OnLeftButton(LeftButton::DoubleClick, PointOf(lParam)); return 0;
        case WM_LBUTTONUP: OnLeftButton(LeftButton::Release, PointOf(lParam)); return 0;
        case WM_SHOWWINDOW:
            if (!wParam) GiveStripBack();
            return DefaultHandling(message, wParam, lParam);
        case kAppBarCallbackMessage: OnShellNotice(static_cast<UINT>(wParam), lParam); return 0;
        case WM_ACTIVATE: shell_->Activate(); return DefaultHandling(message, wParam, lParam);
        case WM_WINDOWPOSCHANGED: shell_->WindowPosChanged(); return DefaultHandling(message, wParam, lParam);
        case WM_CONTEXTMENU:
            TrackPopupMenuEx(menu_.Handle(), TPM_RIGHTBUTTON, static_cast<short>(LOWORD(lParam)),
                             static_cast<short>(HIWORD(lParam)), Handle(), nullptr);
            return 0;
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) != menu_.Handle()) return 0;
            menu_.PrepareFor(MenuDpi());
            if (application_.opening) application_.opening();
            return 0;
        case WM_MEASUREITEM: menu_.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
        case WM_DRAWITEM: menu_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_COMMAND: OnCommand(static_cast<MenuCommand>(LOWORD(wParam))); return 0;
        case WM_CLOSE: return HideInsteadOfClosing();
        case WM_DESTROY: shell_->Remove(); return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

void SidebarWindow::Dock() {
    dock_.Dock(*shell_, settings_.sidebarEdge, GaugeThickness(settings_.gaugeStyle), MonitorRects());
    AfterDocking();
}

// The taskbar or another toolbar moved, or the machine resumed: the strip
// keeps clear of them. A full-screen program on the strip's monitor sends it
// below every window until it closes; the strip stays reserved.
void SidebarWindow::OnShellNotice(UINT notice, LPARAM lParam) {
    if (!shell_->Registered()) return;
    switch (notice) {
        case ABN_POSCHANGED:
        case ABN_STATECHANGE:
            dock_.Follow(*shell_, settings_.sidebarEdge, GaugeThickness(settings_.gaugeStyle), MonitorRects());
            AfterDocking();
            break;
        case ABN_FULLSCREENAPP: FollowFullScreen(lParam != 0); break;
        default: break;
    }
}

void SidebarWindow::FollowFullScreen(bool opening) {
    const HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    std::optional<Rect> foregroundPlace;
    RECT place{};
    if (foreground && process != GetCurrentProcessId() && GetWindowRect(foreground, &place)) {
        foregroundPlace = Rect{place.left, place.top, place.right, place.bottom};
    }
    const StripLayer layer = LayerForFullScreen(opening, foregroundPlace, dock_.MonitorArea());
    if (layer == StripLayer::Unchanged) return;
    SetWindowPos(Handle(), layer == StripLayer::Bottom ? HWND_BOTTOM : HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SidebarWindow::AfterDocking() {
    FollowDpi(dock_.Dpi());
    InvalidateRect(Handle(), nullptr, FALSE);  // refreshes repaint only changed gauges
    RECT client{};
    GetClientRect(Handle(), &client);
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = Handle();
    tool.uId = kBackgroundHintId;
    tool.rect = client;
    SendMessageW(hints_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The captions' font and the gauges' places follow the strip's monitor.
void SidebarWindow::FollowDpi(int dpi) {
    if (font_ && dpi == fontDpi_) return;
    font_ = FormFont(ScaleToDpi(12, dpi));
    fontDpi_ = dpi;
    gauges_.FollowDpi(dpi);
}

// The menu opens where the right button was let go, and takes that monitor's scale.
int SidebarWindow::MenuDpi() {
    const DWORD at = GetMessagePos();
    const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    return MonitorDpi(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

// Hidden, the sidebar gives its strip back; the clock stops refreshing it.
void SidebarWindow::GiveStripBack() {
    shell_->Remove();
}

void SidebarWindow::Refresh(const std::vector<WatchedDrive>& drives) {
    try {
        for (const Rect& area : gauges_.Refresh(drives, UserThousandsSeparator())) {
            const RECT rect{area.left, area.top, area.right, area.bottom};
            InvalidateRect(Handle(), &rect, FALSE);
        }
    } catch (...) {
        ReportCaughtFailure(L"sidebar refresh");
        // A failed refresh leaves the rest hidden until the next one.
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    UpdateHints();
}

void SidebarWindow::Paint() {
    const PaintDc paint(Handle());
    const UniqueBrush background(CreateSolidBrush(ColourRefOf(static_cast<Colour>(settings_.sidebarColour))));
    FillRect(paint.get(), &paint.Area(), background.get());
    for (const Gauge& gauge : gauges_.gauges) {
        if (!gauge.visible || !Meets(gauge, paint.Area())) continue;
        GdiGaugeCanvas canvas(paint.get(), {gauge.left, gauge.top}, font_.get());
        gauge.Paint(canvas);
    }
}

// The capture lets a release off the strip disarm the pressed gauge.
void SidebarWindow::OnLeftButton(LeftButton event, Point at) {
    if (event == LeftButton::Release) {
        ReleaseCapture();
    } else {
        SetCapture(Handle());
    }
    const std::u16string parameters = gauges_.LeftButtonAt(event, at);
    if (parameters.empty()) return;
    EnterShellApartment();
    const auto started = ShellExecuteW(nullptr, L"open", L"explorer.exe", Wide(parameters), nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) <= 32) ReportFailure(L"opening the explorer at a drive");
}

// The sidebar's own commands are handled here; the rest belong to the
// application, which opens its windows or ends.
void SidebarWindow::OnCommand(MenuCommand command) {
    if (const std::optional<SidebarEdge> edge = EdgeOf(command)) {
        settings_.sidebarEdge = *edge;
        Dock();
        return;
    }
    switch (command) {
        case MenuCommand::SwitchBarsAndPies:
            settings_.gaugeStyle = OtherStyle(settings_.gaugeStyle);
            Dock();
            break;
        case MenuCommand::ChooseStripColour: ChooseStripColour(); break;
        default:
            if (application_.command) application_.command(command);
            break;
    }
}

// A cancelled dialog keeps the colour; either way the strip is painted anew.
void SidebarWindow::ChooseStripColour() {
    const auto chosen =
        ChooseColour(Handle(), ColourRefOf(static_cast<Colour>(settings_.sidebarColour)), customColours_);
    if (chosen) settings_.sidebarColour = static_cast<int32_t>(*chosen);
    for (Gauge& gauge : gauges_.gauges) gauge.colour = static_cast<Colour>(settings_.sidebarColour);
    InvalidateRect(Handle(), nullptr, FALSE);
}

// The hint control hears of the mouse from the strip itself: letting it
// subclass the strip would cost a look-up in the window server on every
// message the strip gets, each beat of the clock included.
void SidebarWindow::RelayToHints(UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD at = GetMessagePos();
    MSG relayed{Handle(),
                message,
                wParam,
                lParam,
                static_cast<DWORD>(GetMessageTime()),
                {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))}};
    SendMessageW(hints_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void SidebarWindow::AddHintTool(UINT id, const wchar_t* text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = Handle();
    tool.uId = id;
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Only what changed goes to the hint control: at rest nothing does, and
// each message costs the strip a call through the window manager.
void SidebarWindow::UpdateHints() {
    for (UINT slot = 0; slot < kSidebarSlots; ++slot) {
        const Gauge& gauge = gauges_.gauges[slot];
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = Handle();
        tool.uId = slot;
        if (gauge.visible) tool.rect = {gauge.left, gauge.top, gauge.left + gauge.width, gauge.top + gauge.height};
        ShownHint& shown = shownHints_[slot];
        if (!EqualRect(&tool.rect, &shown.place))
            SendMessageW(hints_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        if (gauge.hint != shown.text) {
            tool.lpszText = const_cast<wchar_t*>(Wide(gauge.hint));
            SendMessageW(hints_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        shown = {tool.rect, gauge.hint};
    }
}

}  // namespace kuvano
