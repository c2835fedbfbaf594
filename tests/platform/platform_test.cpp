// The platform layer's portable parts: the drive-type cache and long paths.
#include "platform/drive_kind_cache.h"
#include "platform/long_path.h"
#include "platform/bounded_space_reader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

using namespace std::chrono_literals;

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

// A drive whose read hangs, as a network drive's does when its server is
// gone, holds a read only so long; its last value stands meanwhile, and a
// read under way is not started again.
TEST(BoundedSpaceReader, WaitsOnlySoLongAndGivesTheLastValueMeanwhile) {
    struct StalledDrive final : DrivePlatform {
        mutable std::atomic<int> reads = 0, active = 0;
        DriveKind Kind(const std::u16string&) const override { return DriveKind::Remote; }
        std::u16string DisplayName(const std::u16string&) const override { return {}; }
        uint32_t LogicalDrives() const override { return 0; }
        std::atomic<bool> stalled = true;
        DriveSpace Space(const std::u16string&) const override {
            ++reads, ++active;
            while (stalled) std::this_thread::sleep_for(1ms);
            return --active, DriveSpace{5, 10};
        }
    } drive;
    const BoundedSpaceReader reader(drive, 10ms);
    EXPECT_EQ(reader.Space(u"N:\\"), DriveSpace{}) << "nothing read yet";
    EXPECT_EQ(reader.Space(u"N:\\"), DriveSpace{});
    EXPECT_EQ(drive.reads, 1);
    drive.stalled = false;
    DriveSpace space;
    for (int tries = 0; tries < 1000 && space != DriveSpace{5, 10}; ++tries) space = reader.Space(u"N:\\");
    EXPECT_EQ(space, (DriveSpace{5, 10}));
    while (drive.active > 0) std::this_thread::sleep_for(1ms);  // no read may outlive the drive
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
