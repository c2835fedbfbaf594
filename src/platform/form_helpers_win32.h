#pragma once

#include <windows.h>

#include "platform/scoped_win32.h"

namespace kuvano {

// The forms' font, "ＭＳ Ｐゴシック", at a height in pixels.
UniqueFont FormFont(int pixelHeight, bool bold = false);

// The fixed-pitch "ＭＳ ゴシック" at a height in pixels, or the nearest there is.
UniqueFont FixedPitchFont(int pixelHeight);

// Where a control sits in its parent's client area.
struct Place {
    int left;
    int top;
    int width;
    int height;
};

// A child control of `parent` with the given font.
HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, Place place, int id,
                HFONT font, DWORD exStyle = 0);

// A tooltip window that shows the hints of `owner`'s controls.
HWND CreateHintWindow(HWND owner);
// Shows `text` as the hint of a child control of the hint window's owner.
void AddHint(HWND hints, HWND control, const wchar_t* text);
// Shows `text` over the control's place on its parent, for a control that
// gets no mouse messages of its own, as a disabled one. False if refused.
bool AddHintOverPlace(HWND hints, HWND control, const wchar_t* text);
// Moves such a hint to where its control is now.
void MoveHintOverPlace(HWND hints, HWND control);

// Shows nothing new: a form that is already visible only comes to the front.
void BringToFront(HWND window);

}  // namespace kuvano
