#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "core/display_scale.h"
#include "core/geometry.h"
#include "platform/form_helpers_win32.h"
#include "platform/scoped_win32.h"

namespace kuvano {

// A form's sizes at the DPI of its monitor. Every length is kept as given
// for 100 % and scaled afresh at each DPI, so that a round trip through other
// scales gives back the same layout to the pixel.
class FormScale {
public:
    using FontId = size_t;

    explicit FormScale(Size designClient) : designClient_(designClient) {}
    FormScale(const FormScale&) = delete;
    FormScale& operator=(const FormScale&) = delete;

    int Dpi() const { return dpi_; }
    int Scaled(int designLength) const { return ScaleToDpi(designLength, dpi_); }
    Place Scaled(Place designPlace) const;
    Size Client() const { return {Scaled(designClient_.width), Scaled(designClient_.height)}; }

    // A font of the form, by its 100 % height in pixels.
    FontId AddFont(int designHeight, bool bold = false, bool fixedPitch = false);
    HFONT Font(FontId font) const { return fonts_[font].get(); }

    // A child control at the scaled `designPlace`, followed from then on.
    HWND AddControl(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, Place designPlace, int id,
                    FontId font, DWORD exStyle = 0);
    // Follows a window made otherwise: placed at the scaled `designPlace`
    // if given, and given the font if one is named.
    void Follow(HWND window, std::optional<Place> designPlace, std::optional<FontId> font);

    // Remakes the fonts and moves every followed window for `dpi`.
    void Rescale(int dpi);
    // WM_DPICHANGED: the form moved to the place the system suggests,
    // rescaled, and sized to its own client area at the new DPI.
    void OnDpiChanged(HWND form, WPARAM wParam, LPARAM lParam);
    // Before a form shows: a scale that its monitor took while the form was
    // hidden, when no WM_DPICHANGED reaches it, is taken now. True when the
    // form was rescaled.
    bool FollowMonitor(HWND form);
    // Sizes the form so that its client area is the scaled 100 % one, with
    // the frame the form has at this DPI; it keeps its place.
    void FitFrame(HWND form) const;
    // Forms start on the primary monitor: takes its DPI and gives the form's
    // window size there, the scaled client area in the frame of that DPI.
    Size StartOnPrimaryMonitor(DWORD style, DWORD exStyle);

private:
    struct FontRequest {
        int designHeight;
        bool bold;
        bool fixedPitch;
    };
    struct Followed {
        HWND window;
        std::optional<Place> designPlace;
        std::optional<FontId> font;
    };

    UniqueFont MakeFont(const FontRequest& request) const;
    void Put(const Followed& followed) const;

    Size designClient_;
    int dpi_ = kDesignDpi;
    std::vector<FontRequest> fontRequests_;
    std::vector<UniqueFont> fonts_;
    std::vector<Followed> followed_;
};

// Where a child window sits in its parent's client area now.
Place PlaceInParent(HWND child);

}  // namespace kuvano
