#include "core/drive_platform.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

TEST(DriveRoot, AppendsColonAndBackslashToTheWholeName) {
    EXPECT_EQ(DriveRoot("C"), u"C:\\");
    EXPECT_EQ(DriveRoot("z"), u"z:\\");
    EXPECT_EQ(DriveRoot(""), u":\\");
    EXPECT_EQ(DriveRoot("\\"), u"\\:\\");
    EXPECT_EQ(DriveRoot("C:"), u"C::\\");  // unusable, as it must be
    EXPECT_EQ(DriveRoot("\xE3\x81\x82"), u"\uFFFD\uFFFD\uFFFD:\\");
}

}  // namespace
}  // namespace kuvano
