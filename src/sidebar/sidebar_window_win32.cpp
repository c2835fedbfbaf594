#include "sidebar/sidebar_window_win32.h"

#include <commctrl.h>

#include "core/display_scale.h"
#include "platform/colour_dialog_win32.h"
#include "platform/dpi_win32.h"
#include "platform/failure_report_win32.h"
#include "platform/form_helpers_win32.h"
#include "platform/locale_win32.h"
#include "platform/scoped_win32.h"
#include "platform/taskbar_created_win32.h"
#include "platform/wide_text_win32.h"
#include "sidebar/gdi_gauge_canvas_win32.h"

namespace kuvano {
namespace {

constexpr UINT kBackgroundHintId = 100;

bool Meets(const TMyGauge& gauge, const RECT& area) {
    return gauge.Left < area.right && gauge.Left + gauge.Width > area.left && gauge.Top < area.bottom &&
           gauge.Top + gauge.Height > area.top;
}

Point PointOf(LPARAM lParam) {
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

bool TForm4::Create(HWND owner) {
    if (!CreateWithOptions({.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST, .style = WS_POPUP, .parent = owner})) {
        return false;
    }
    if (settings_.barhyoj == 1) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    return true;
}

void TForm4::Link(const LowSpaceWarning& warning, ApplicationCommand applicationCommand) {
    gauges_.emplace(settings_, drives_, warning);
    gauges_->FollowDpi(fontDpi_);
    applicationCommand_ = std::move(applicationCommand);
    // Started once linked, right after the tray's timer: both fall due
    // together, so the program wakes twice a second, not three times.
    SetTimer(Handle(), kTimer1, kTimer1Interval, nullptr);
}

LRESULT TForm4::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) RelayToHints(message, wParam, lParam);
    if (message == TaskbarCreatedMessage() && shell_ && shell_->Registered()) {
        // A new Explorer knows no toolbars: register and reserve the strip again.
        shell_->New();
        myBarDock(false);
        return 0;
    }
    switch (message) {
        case WM_CREATE: FormCreate(); return 0;
        // A tool window may not hear of its own DPI: a change of the display
        // docks the strip again, which reads its monitor's DPI afresh.
        case WM_DPICHANGED:
        case WM_DISPLAYCHANGE:
            if (IsWindowVisible(Handle())) myBarDock(false);
            return 0;
        case WM_TIMER:
            if (wParam == kTimer1) Timer1Timer();
            return 0;
        case WM_ERASEBKGND: return 1;  // the paint covers everything
        case WM_PAINT: Paint(); return 0;
        case WM_LBUTTONDOWN: OnLeftButton(LeftButton::Press, PointOf(lParam)); return 0;
        case WM_LBUTTONDBLCLK: OnLeftButton(LeftButton::DoubleClick, PointOf(lParam)); return 0;
        case WM_LBUTTONUP: OnLeftButton(LeftButton::Release, PointOf(lParam)); return 0;
        case WM_SHOWWINDOW:
            if (!wParam) FormHide();
            return DefaultHandling(message, wParam, lParam);
        case kAppBarCallbackMessage:
            if (wParam == ABN_STATECHANGE || wParam == ABN_POSCHANGED) myBarDock(true);
            return DefaultHandling(message, wParam, lParam);
        case WM_CONTEXTMENU:
            TrackPopupMenuEx(popupMenu1_.Handle(), TPM_RIGHTBUTTON, static_cast<short>(LOWORD(lParam)),
                             static_cast<short>(HIWORD(lParam)), Handle(), nullptr);
            return 0;
        case WM_INITMENUPOPUP:
            if (reinterpret_cast<HMENU>(wParam) == popupMenu1_.Handle()) popupMenu1_.PrepareFor(MenuDpi());
            return 0;
        case WM_MEASUREITEM: popupMenu1_.MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
        case WM_DRAWITEM: popupMenu1_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
        case WM_COMMAND: OnCommand(static_cast<SidebarCommand>(LOWORD(wParam))); return 0;
        case WM_CLOSE: return HideInsteadOfClosing();
        case WM_DESTROY:
            if (shell_) shell_->Remove();
            return 0;
        default: return DefaultHandling(message, wParam, lParam);
    }
}

void TForm4::FormCreate() {
    hints_ = CreateHintWindow(Handle());
    // Gauge tools first: the hint control takes the first tool under the mouse.
    for (UINT slot = 0; slot < kSidebarSlots; ++slot) AddHintTool(slot, L"");
    AddHintTool(kBackgroundHintId, kHint);

    ReceiveTaskbarCreated(Handle());
    shell_.emplace(Handle());
    dock_.emplace(*shell_);
    shell_->New();
    myBarDock(false);
}

void TForm4::myBarDock(bool renew) {
    if (!dock_) return;
    dock_->myBarDock(renew, settings_.iti, settings_.GaugeWidth, MonitorRects());
    FollowDpi(dock_->Dpi());
    InvalidateRect(Handle(), nullptr, FALSE);  // ticks repaint only changed gauges
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
void TForm4::FollowDpi(int dpi) {
    if (font_ && dpi == fontDpi_) return;
    font_ = FormFont(ScaleToDpi(12, dpi));
    fontDpi_ = dpi;
    if (gauges_) gauges_->FollowDpi(dpi);
}

// The menu opens where the right button was let go, and takes that monitor's scale.
int TForm4::MenuDpi() {
    const DWORD at = GetMessagePos();
    const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    return MonitorDpi(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

// Hidden, the sidebar gives its strip back and stops refreshing.
void TForm4::FormHide() {
    if (shell_) shell_->Remove();
    KillTimer(Handle(), kTimer1);
}

void TForm4::Timer1Timer() {
    if (!gauges_) return;
    try {
        for (const Rect& area : gauges_->Refresh(UserThousandsSeparator())) {
            const RECT rect{area.left, area.top, area.right, area.bottom};
            InvalidateRect(Handle(), &rect, FALSE);
        }
    } catch (...) {
        ReportCaughtFailure(L"sidebar refresh");
        // A failed tick leaves the rest hidden until the next one.
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    UpdateHints();
}

void TForm4::Paint() {
    const PaintDc paint(Handle());
    const UniqueBrush background(CreateSolidBrush(ColorRefOf(static_cast<TColor>(settings_.aki))));
    FillRect(paint.get(), &paint.Area(), background.get());
    if (gauges_) {
        for (const TMyGauge& gauge : gauges_->BarGauges) {
            if (!gauge.Visible || !Meets(gauge, paint.Area())) continue;
            GdiGaugeCanvas canvas(paint.get(), {gauge.Left, gauge.Top}, font_.get());
            gauge.Paint(canvas);
        }
    }
}

// The capture lets a release off the strip disarm the pressed gauge.
void TForm4::OnLeftButton(LeftButton event, Point at) {
    if (event == LeftButton::Release) {
        ReleaseCapture();
    } else {
        SetCapture(Handle());
    }
    if (!gauges_) return;
    const std::u16string parameters = gauges_->LeftButtonAt(event, at);
    if (parameters.empty()) return;
    const auto started = ShellExecuteW(nullptr, L"open", L"explorer.exe", Wide(parameters), nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) <= 32) ReportFailure(L"opening the explorer at a drive");
}

// The sidebar's own commands are handled here; the rest belong to the
// application, which opens its windows or ends.
void TForm4::OnCommand(SidebarCommand command) {
    if (const int32_t edge = EdgeOf(command)) {
        settings_.iti = edge;
        myBarDock(false);
        return;
    }
    switch (command) {
        case SidebarCommand::pmPieBar:
            SwitchBarsAndPies(settings_);
            myBarDock(false);
            break;
        case SidebarCommand::pmAkiiro: pmAkiiroClick(); break;
        default:
            if (applicationCommand_) applicationCommand_(command);
            break;
    }
}

// A cancelled dialog keeps the colour; either way the strip is painted anew.
void TForm4::pmAkiiroClick() {
    const auto chosen = ChooseColour(Handle(), ColorRefOf(static_cast<TColor>(settings_.aki)), customColours_);
    if (chosen) settings_.aki = static_cast<int32_t>(*chosen);
    if (gauges_) {
        for (TMyGauge& gauge : gauges_->BarGauges) gauge.Color = static_cast<TColor>(settings_.aki);
    }
    InvalidateRect(Handle(), nullptr, FALSE);
}

// The hint control hears of the mouse from the strip itself: letting it
// subclass the strip would cost a look-up in the window server on every
// message the strip gets, each timer tick included.
void TForm4::RelayToHints(UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD at = GetMessagePos();
    MSG relayed{Handle(),
                message,
                wParam,
                lParam,
                static_cast<DWORD>(GetMessageTime()),
                {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))}};
    SendMessageW(hints_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void TForm4::AddHintTool(UINT id, const wchar_t* text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = Handle();
    tool.uId = id;
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TForm4::UpdateHints() {
    for (UINT slot = 0; slot < kSidebarSlots; ++slot) {
        const TMyGauge& gauge = gauges_->BarGauges[slot];
        TOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = Handle();
        tool.uId = slot;
        if (gauge.Visible) tool.rect = {gauge.Left, gauge.Top, gauge.Left + gauge.Width, gauge.Top + gauge.Height};
        SendMessageW(hints_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        tool.lpszText = const_cast<wchar_t*>(Wide(gauge.Hint));
        SendMessageW(hints_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace kuvano
