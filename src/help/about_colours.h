#pragma once

#include <cstdint>

namespace kuvano {

// The about box's labels are navy (0x00BBGGRR), but in the system's own text
// colour when the user asked for high contrast.
inline constexpr uint32_t kAboutNavy = 0x800000;
uint32_t AboutLabelColour(bool highContrast, uint32_t systemText);

}  // namespace kuvano
