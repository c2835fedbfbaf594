#include "platform/drive_kind_cache.h"

#include <gtest/gtest.h>

#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

// Counts the type queries that reach the system.
class CountingDrives final : public DrivePlatform {
public:
    testing::FakeDrivePlatform system;
    mutable int kindQueries = 0;

    DriveKind Kind(const std::u16string& root) const override {
        ++kindQueries;
        return system.Kind(root);
    }
    DriveSpace Space(const std::u16string& root) const override { return system.Space(root); }
    std::u16string DisplayName(const std::u16string& root) const override { return system.DisplayName(root); }
    uint32_t LogicalDrives() const override { return system.LogicalDrives(); }
};

TEST(DriveKindCache, AsksTheSystemOncePerRootUntilADeviceChangeButSpaceAlways) {
    CountingDrives drives;
    drives.system.drives[u"C:\\"] = {DriveKind::Fixed, {100, 400}, u"Data (C:)"};
    DriveKindCache cache(drives);
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_EQ(cache.Kind(u"C:\\"), DriveKind::Fixed);
        EXPECT_EQ(cache.Kind(u"E:\\"), DriveKind::NoRootDirectory);
    }
    EXPECT_EQ(drives.kindQueries, 2);

    drives.system.drives[u"E:\\"] = {DriveKind::Removable, {1, 2}, u"Stick (E:)"};
    EXPECT_EQ(cache.Kind(u"E:\\"), DriveKind::NoRootDirectory) << "only an announcement makes it ask again";
    EXPECT_EQ(cache.Space(u"E:\\"), (DriveSpace{1, 2}));
    EXPECT_EQ(cache.DisplayName(u"E:\\"), u"Stick (E:)");
    cache.Forget();
    EXPECT_EQ(cache.Kind(u"E:\\"), DriveKind::Removable);
    EXPECT_EQ(drives.kindQueries, 3);
}

// A substituted letter comes and goes unannounced: only the letters whose
// bit changed, in either case, are asked again; a root of no letter never.
TEST(DriveKindCache, AsksAgainForTheLettersThatCameOrWent) {
    CountingDrives drives;
    drives.system.drives[u"M:\\"] = {DriveKind::Fixed, {}, u""};
    DriveKindCache cache(drives);
    const std::u16string roots[] = {u"A:\\", u"Z:\\", u"a:\\", u"z:\\", u"M:\\", u"@:\\", u"[:\\", u"`:\\", u"{:\\"};
    auto askAll = [&] {
        for (const std::u16string& root : roots) cache.Kind(root);
    };
    askAll();
    cache.FollowLetters();  // types asked before the first look may be out of date
    askAll();
    EXPECT_EQ(drives.kindQueries, 9 + 5);

    drives.system.drives[u"A:\\"] = {DriveKind::Fixed, {}, u""};
    drives.system.drives[u"Z:\\"] = {DriveKind::Fixed, {}, u""};
    cache.FollowLetters();
    askAll();
    EXPECT_EQ(drives.kindQueries, 9 + 5 + 4);
    EXPECT_EQ(cache.Kind(u"z:\\"), DriveKind::NoRootDirectory) << "the fake knows upper case only";
    EXPECT_EQ(cache.Kind(u"Z:\\"), DriveKind::Fixed);
}

}  // namespace
}  // namespace kuvano
