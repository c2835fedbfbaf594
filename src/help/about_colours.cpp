#include "help/about_colours.h"

namespace kuvano {

uint32_t AboutLabelColour(bool highContrast, uint32_t systemText) {
    return highContrast ? systemText : kAboutNavy;
}

}  // namespace kuvano
