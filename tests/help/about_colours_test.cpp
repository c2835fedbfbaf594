#include "help/about_colours.h"

#include <gtest/gtest.h>

namespace kuvano {

// Wine keeps no high-contrast setting: the choice is tested here.
TEST(AboutLabelColour, IsNavyButTheSystemsTextColourInHighContrast) {
    EXPECT_EQ(AboutLabelColour(false, 0xFFFFFF), kAboutNavy);
    EXPECT_EQ(AboutLabelColour(true, 0xFFFFFF), 0xFFFFFFu);
}

}  // namespace kuvano
