#include "platform/colour_dialog_win32.h"

#include <commdlg.h>

#include "platform/scoped_win32.h"

namespace kuvano {

std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial, std::array<COLORREF, 16>& customColours) {
    const UniqueLibrary library(LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!library) return std::nullopt;
    using ChooseColorFunction = BOOL(WINAPI*)(CHOOSECOLORW*);
    const auto chooseColor =
        reinterpret_cast<ChooseColorFunction>(reinterpret_cast<void*>(GetProcAddress(library.get(), "ChooseColorW")));
    if (!chooseColor) return std::nullopt;

    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.rgbResult = initial;
    dialog.lpCustColors = customColours.data();
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!chooseColor(&dialog)) return std::nullopt;
    return dialog.rgbResult;
}

}  // namespace kuvano
