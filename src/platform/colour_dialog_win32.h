#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace kuvano {

// The system's colour dialog, opened full, starting from `initial`. Its
// library is loaded for the dialog and let go after it: the library brings
// the printing system with it, megabytes that a program resting in the tray
// all day should not hold for a dialog seldom opened.
// The chosen colour, or nothing when the user cancels.
std::optional<COLORREF> ChooseColour(HWND owner, COLORREF initial, std::array<COLORREF, 16>& customColours);

}  // namespace kuvano
