#include "platform/form_helpers_win32.h"

#include <string>

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
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &query, NoteFamilyFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// "ＭＳ Ｐゴシック" is missing where the Japanese fonts are not installed;
// then the nearest Japanese face that is there, else the system's own.
const std::wstring& FormFontFace() {
    static const std::wstring face = [] {
        for (const wchar_t* candidate :
             {L"ＭＳ Ｐゴシック", L"MS PGothic", L"Yu Gothic UI", L"Meiryo UI", L"IPAPGothic"}) {
            if (FontFamilyExists(candidate)) return std::wstring(candidate);
        }
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        return std::wstring(metrics.lfMessageFont.lfFaceName);
    }();
    return face;
}

}  // namespace

UniqueFont FormFont(int pixelHeight, bool bold) {
    return UniqueFont(CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, FormFontFace().c_str()));
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

}  // namespace kuvano
