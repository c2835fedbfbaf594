#include "core/drive_name.h"

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

TEST(HomeDriveFromProgramPath, TakesTheFirstCharacterOfTheDrivePart) {
    struct Case {
        std::u16string_view path;
        std::string_view expected;
    };
    const Case cases[] = {
        {u"C:\\Tools\\Kuvano.exe", "C"},
        {u"d:\\Kuvano.exe", "d"},
        {u"\\\\server\\share\\Kuvano.exe", "\\"},
        {u"\\\\?\\E:\\very\\long\\Kuvano.exe", "E"},
        {u"\\\\?\\UNC\\server\\share\\Kuvano.exe", "\\"},
        {u"Kuvano.exe", ""},
        {u"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(HomeDriveFromProgramPath(c.path), c.expected);
}

}  // namespace
}  // namespace kuvano
