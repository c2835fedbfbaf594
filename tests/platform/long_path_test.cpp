#include "platform/long_path.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

TEST(LongPath, PrefixesAbsolutePathsThatNeedNoTidying) {
    struct Case {
        std::u16string path;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"C:\\a\\b\\*.*", u"\\\\?\\C:\\a\\b\\*.*"},
        {u"z:\\ドライブ\\*", u"\\\\?\\z:\\ドライブ\\*"},
        {u"C:\\", u"\\\\?\\C:\\"},
        {u"\\\\server\\share\\x\\*.*", u"\\\\?\\UNC\\server\\share\\x\\*.*"},
        {u"\\\\?\\C:\\a\\..\\*.*", u"\\\\?\\C:\\a\\..\\*.*"},  // already prefixed: left alone
        {u"\\\\?\\UNC\\s\\h\\*", u"\\\\?\\UNC\\s\\h\\*"},
        {u"\\\\.\\PhysicalDrive0", u"\\\\.\\PhysicalDrive0"},
        // Left for the system to tidy, within its usual length.
        {u"a\\b\\*.*", u"a\\b\\*.*"},
        {u"C:a\\*.*", u"C:a\\*.*"},
        {u"\\a\\*.*", u"\\a\\*.*"},
        {u"C:\\a\\.\\*.*", u"C:\\a\\.\\*.*"},
        {u"C:\\a\\..", u"C:\\a\\.."},
        {u"C:\\a\\\\b\\*.*", u"C:\\a\\\\b\\*.*"},
        {u"C:/a/*.*", u"C:/a/*.*"},
        {u"\\\\server\\share\\..\\x", u"\\\\server\\share\\..\\x"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LongPath(c.path), c.expected) << std::string(c.path.begin(), c.path.end());
    }
}

}  // namespace
}  // namespace kuvano
