#include "platform/form_helpers_win32.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>

#include "platform/scoped_win32.h"

namespace kuvano {
namespace {

BOOL CALLBACK NoteFamilyFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

bool FontFamilyExists(const wchar_t* face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(query.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    const WindowDc screen(nullptr);
    EnumFontFamiliesExW(screen.get(), &query, NoteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The first face that is installed, else the system's own message font.
std::wstring FirstInstalledFace(std::initializer_list<const wchar_t*> candidates) {
    for (const wchar_t* candidate : candidates) {
        if (FontFamilyExists(candidate)) return candidate;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return metrics.lfMessageFont.lfFaceName;
}

// "ＭＳ Ｐゴシック" is missing where the Japanese fonts are not installed;
// then the nearest Japanese face that is there.
const std::wstring& FormFontFace() {
    static const std::wstring face =
        FirstInstalledFace({L"ＭＳ Ｐゴシック", L"MS PGothic", L"Yu Gothic UI", L"Meiryo UI", L"IPAPGothic"});
    return face;
}

const std::wstring& FixedPitchFace() {
    static const std::wstring face =
        FirstInstalledFace({L"ＭＳ ゴシック", L"MS Gothic", L"BIZ UDGothic", L"IPAGothic", L"Consolas"});
    return face;
}

UniqueFont FontOf(const std::wstring& face, int pixelHeight, bool bold) {
    return UniqueFont(CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

// The hint known by the control's id on its parent, over the control's place there.
TOOLINFOW HintOverPlace(HWND control) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = GetParent(control);
    tool.uId = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    GetWindowRect(control, &tool.rect);
    MapWindowPoints(nullptr, tool.hwnd, reinterpret_cast<POINT*>(&tool.rect), 2);
    return tool;
}

bool AddTool(HWND hints, TOOLINFOW& tool, const wchar_t* text) {
    tool.cbSize = sizeof(tool);
    tool.lpszText = const_cast<wchar_t*>(text);
    return SendMessageW(hints, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

}  // namespace

UniqueFont FormFont(int pixelHeight, bool bold) {
    return FontOf(FormFontFace(), pixelHeight, bold);
}

UniqueFont FixedPitchFont(int pixelHeight) {
    return FontOf(FixedPitchFace(), pixelHeight, false);
}

HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, Place place, int id,
                HFONT font, DWORD exStyle) {
    const HWND control = CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top, place.width, place.height,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

HWND CreateHintWindow(HWND owner) {
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

void AddHint(HWND hints, HWND control, const wchar_t* text) {
    TOOLINFOW tool{};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    AddTool(hints, tool, text);
}

bool AddHintOverPlace(HWND hints, HWND control, const wchar_t* text) {
    TOOLINFOW tool = HintOverPlace(control);
    tool.uFlags = TTF_SUBCLASS;
    return AddTool(hints, tool, text);
}

void MoveHintOverPlace(HWND hints, HWND control) {
    const TOOLINFOW tool = HintOverPlace(control);
    SendMessageW(hints, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

}  // namespace kuvano
