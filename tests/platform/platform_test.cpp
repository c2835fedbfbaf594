// The platform layer's portable parts: the drive-type cache and long paths.
#include "platform/drive_kind_cache.h"
#include "platform/long_path.h"

#include <gtest/gtest.h>

#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

// A type is asked once, until the system announces a volume (Forget) or a
// letter's bit changes unannounced, as a substituted folder's does
// (FollowLetters); in either case, and never for a root of no letter.
TEST(DriveKindCache, AsksTheSystemAgainOnlyForRootsWhoseLetterMayHaveChanged) {
    testing::FakeDrivePlatform drives;
    drives.drives[u"M:\\"] = {DriveKind::Fixed, {}, u""};
    DriveKindCache cache(drives);
    const std::u16string roots[] = {u"A:\\", u"Z:\\", u"a:\\", u"z:\\", u"M:\\", u"@:\\", u"[:\\", u"`:\\", u"{:\\"};
    auto queriesToAskAll = [&] {
        const int before = drives.kindQueries;
        for (const std::u16string& root : roots) cache.Kind(root);
        return drives.kindQueries - before;
    };
    EXPECT_EQ(queriesToAskAll(), 9);
    EXPECT_EQ(queriesToAskAll(), 0);
    cache.FollowLetters();  // types asked before the first look may be out of date
    EXPECT_EQ(queriesToAskAll(), 5);
    drives.drives[u"A:\\"] = {DriveKind::Removable, {}, u""};
    drives.drives[u"Z:\\"] = {DriveKind::Fixed, {}, u""};
    EXPECT_EQ(cache.Kind(u"A:\\"), DriveKind::NoRootDirectory);
    cache.FollowLetters();
    EXPECT_EQ(queriesToAskAll(), 4);
    EXPECT_EQ(cache.Kind(u"A:\\"), DriveKind::Removable);
    cache.Forget();
    EXPECT_EQ(queriesToAskAll(), 9);
}

TEST(LongPath, PrefixesAbsolutePathsThatNeedNoTidying) {
    for (const std::u16string path : {u"C:\\a\\b\\*.*", u"A:\\", u"Z:\\x", u"a:\\x", u"z:\\ドライブ\\*"}) {
        EXPECT_EQ(LongPath(path), u"\\\\?\\" + path);
    }
    EXPECT_EQ(LongPath(u"\\\\s\\h\\x\\*"), u"\\\\?\\UNC\\s\\h\\x\\*");
    // Already prefixed, or left for the system to tidy within its usual length.
    for (const std::u16string path :
         {u"\\\\?\\C:\\a\\..\\*", u"\\\\.\\PhysicalDrive0", u"@:\\x", u"[:\\x", u"`:\\x", u"{:\\x", u"C:a\\*", u"C;\\a",
          u"C:/a", u"a\\b", u"\\a\\*", u"C:\\a\\.\\*", u"C:\\a\\..", u"C:\\a\\.", u"C:\\a\\\\b", u"C:\\a/b",
          u"\\\\s\\h\\..\\x", u"C:", u""}) {
        EXPECT_EQ(LongPath(path), path) << std::string(path.begin(), path.end());
    }
}

}  // namespace
}  // namespace kuvano
