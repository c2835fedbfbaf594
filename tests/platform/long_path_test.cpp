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
        {u"C:\\a\\b\\*.*", u"\\\\?\\C:\\a\\b\\*.*"},       {u"z:\\ドライブ\\*", u"\\\\?\\z:\\ドライブ\\*"},
        {u"A:\\", u"\\\\?\\A:\\"},                         {u"Z:\\x", u"\\\\?\\Z:\\x"},
        {u"a:\\x", u"\\\\?\\a:\\x"},                       {u"\\\\s\\h\\x\\*", u"\\\\?\\UNC\\s\\h\\x\\*"},
        {u"\\\\?\\C:\\a\\..\\*", u"\\\\?\\C:\\a\\..\\*"},  {u"\\\\.\\PhysicalDrive0", u"\\\\.\\PhysicalDrive0"},
        // Left for the system to tidy, within its usual length.
        {u"@:\\x", u"@:\\x"},          {u"[:\\x", u"[:\\x"},          {u"`:\\x", u"`:\\x"},
        {u"{:\\x", u"{:\\x"},          {u"C:a\\*.*", u"C:a\\*.*"},    {u"C;\\a", u"C;\\a"},
        {u"C:/a", u"C:/a"},            {u"a\\b\\*.*", u"a\\b\\*.*"},  {u"\\a\\*.*", u"\\a\\*.*"},
        {u"C:\\a\\.\\*", u"C:\\a\\.\\*"},                  {u"C:\\a\\..", u"C:\\a\\.."},
        {u"C:\\a\\.", u"C:\\a\\."},    {u"C:\\a\\\\b", u"C:\\a\\\\b"},  {u"C:\\a/b", u"C:\\a/b"},
        {u"\\\\s\\h\\..\\x", u"\\\\s\\h\\..\\x"},          {u"C:", u"C:"},  {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LongPath(c.path), c.expected) << std::string(c.path.begin(), c.path.end());
    }
}

}  // namespace
}  // namespace kuvano
