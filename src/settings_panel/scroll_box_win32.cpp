#include "settings_panel/scroll_box_win32.h"

#include <algorithm>

namespace kuvano {

namespace {

constexpr int kDesignLineStep = 12;  // one line of the drive list

}  // namespace

ScrollBox::ScrollBox(HWND parent, Place place) {
    // A control parent: dialog navigation goes on into the content.
    Create({.exStyle = WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT,
            .style = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN,
            .parent = parent,
            .x = place.left,
            .y = place.top,
            .width = place.width,
            .height = place.height});
}

void ScrollBox::SetContent(HWND content, Size designSize) {
    content_ = content;
    designContent_ = designSize;
    offset_ = {};
    Rescale(dpi_);
}

void ScrollBox::Rescale(int dpi) {
    offset_ = {MulDiv(offset_.x, dpi, dpi_), MulDiv(offset_.y, dpi, dpi_)};
    dpi_ = dpi;
    contentSize_ = {ScaleToDpi(designContent_.width, dpi), ScaleToDpi(designContent_.height, dpi)};
    UpdateScrollBars();
    ScrollTo(SB_HORZ, offset_.x);
    ScrollTo(SB_VERT, offset_.y);
}

void ScrollBox::ShowRows(int top, int bottom) {
    RECT client{};
    GetClientRect(Handle(), &client);
    int position = offset_.y;
    if (bottom > position + client.bottom) position = bottom - client.bottom;
    if (top < position) position = top;
    ScrollTo(SB_VERT, position);
}

LRESULT ScrollBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL: Scroll(SB_HORZ, LOWORD(wParam)); return 0;
        case WM_VSCROLL: Scroll(SB_VERT, LOWORD(wParam)); return 0;
        case WM_SIZE: UpdateScrollBars(); return 0;
        case WM_COMMAND: return SendMessageW(GetParent(Handle()), message, wParam, lParam);
        default: return DefaultHandling(message, wParam, lParam);
    }
}

void ScrollBox::UpdateScrollBars() {
    SetBar(SB_HORZ, contentSize_.cx, offset_.x);
    SetBar(SB_VERT, contentSize_.cy, offset_.y);
}

// The client area is read afresh for each bar: showing the other bar may
// just have made it smaller, and a page too large hides the content's end.
void ScrollBox::SetBar(int bar, int contentLength, int position) {
    RECT client{};
    GetClientRect(Handle(), &client);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = contentLength - 1;
    info.nPage = static_cast<UINT>(bar == SB_HORZ ? client.right : client.bottom);
    info.nPos = position;
    SetScrollInfo(Handle(), bar, &info, TRUE);
}

void ScrollBox::Scroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    int position = info.nPos;
    switch (request) {
        case SB_LINEUP: position -= ScaleToDpi(kDesignLineStep, dpi_); break;
        case SB_LINEDOWN: position += ScaleToDpi(kDesignLineStep, dpi_); break;
        case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
        case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: position = info.nTrackPos; break;
        case SB_TOP: position = info.nMin; break;
        case SB_BOTTOM: position = info.nMax; break;
        default: break;
    }
    ScrollTo(bar, position);
}

void ScrollBox::ScrollTo(int bar, int position) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(Handle(), bar, &info);
    position = std::clamp(position, 0, std::max(0, info.nMax - static_cast<int>(info.nPage) + 1));
    (bar == SB_HORZ ? offset_.x : offset_.y) = position;
    SetScrollPos(Handle(), bar, position, TRUE);
    MoveWindow(content_, -offset_.x, -offset_.y, contentSize_.cx, contentSize_.cy, TRUE);
}

}  // namespace kuvano
