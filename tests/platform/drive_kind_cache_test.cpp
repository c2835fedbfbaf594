#include "platform/drive_kind_cache.h"

#include <gtest/gtest.h>

#include "support/fake_drive_platform.h"

namespace kuvano {
namespace {

using testing::FakeDrivePlatform;

// Counts the type queries that reach the system.
class CountingDrives final : public DrivePlatform {
public:
    FakeDrivePlatform system;
    mutable int kindQueries = 0;

    DriveKind Kind(const std::u16string& root) const override {
        ++kindQueries;
        return system.Kind(root);
    }
    DriveSpace Space(const std::u16string& root) const override { return system.Space(root); }
    std::u16string DisplayName(const std::u16string& root) const override { return system.DisplayName(root); }
    uint32_t LogicalDrives() const override { return system.LogicalDrives(); }
};

TEST(DriveKindCache, AsksTheSystemOncePerRootUntilADeviceChange) {
    CountingDrives drives;
    drives.system.drives[u"C:\\"] = {DriveKind::Fixed, {}, u""};
    DriveKindCache cache(drives);

    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_EQ(cache.Kind(u"C:\\"), DriveKind::Fixed);
        EXPECT_EQ(cache.Kind(u"E:\\"), DriveKind::NoRootDirectory);
    }
    EXPECT_EQ(drives.kindQueries, 2);

    // A stick arrives at E: and C: is gone; only the system's announcement
    // makes the cache ask again.
    drives.system.drives.erase(u"C:\\");
    drives.system.drives[u"E:\\"] = {DriveKind::Removable, {}, u""};
    EXPECT_EQ(cache.Kind(u"E:\\"), DriveKind::NoRootDirectory);
    cache.Forget();
    EXPECT_EQ(cache.Kind(u"E:\\"), DriveKind::Removable);
    EXPECT_EQ(cache.Kind(u"C:\\"), DriveKind::NoRootDirectory);
    EXPECT_EQ(drives.kindQueries, 4);
}

TEST(DriveKindCache, AsksAgainOnlyForLettersThatCameOrWentUnannounced) {
    CountingDrives drives;
    drives.system.drives[u"C:\\"] = {DriveKind::Fixed, {}, u""};
    drives.system.drives[u"D:\\"] = {DriveKind::Fixed, {}, u""};
    DriveKindCache cache(drives);
    cache.FollowLetters();
    for (const char16_t* root : {u"C:\\", u"D:\\", u"S:\\", u"T:\\", u"\\:\\"}) cache.Kind(root);
    EXPECT_EQ(drives.kindQueries, 5);

    // S: appears and D: goes, with no announcement.
    drives.system.drives[u"S:\\"] = {DriveKind::Fixed, {}, u""};
    drives.system.drives.erase(u"D:\\");
    cache.FollowLetters();
    EXPECT_EQ(cache.Kind(u"S:\\"), DriveKind::Fixed);
    EXPECT_EQ(cache.Kind(u"D:\\"), DriveKind::NoRootDirectory);
    for (const char16_t* root : {u"C:\\", u"T:\\", u"\\:\\"}) cache.Kind(root);
    EXPECT_EQ(drives.kindQueries, 7) << "only S: and D: are asked again";
}

TEST(DriveKindCache, AlwaysAsksFreeSpaceAndNamesAfresh) {
    CountingDrives drives;
    drives.system.drives[u"D:\\"] = {DriveKind::Fixed, {100, 400}, u"Data (D:)"};
    const DriveKindCache cache(drives);
    EXPECT_EQ(cache.Space(u"D:\\"), (DriveSpace{100, 400}));

    drives.system.drives[u"D:\\"] = {DriveKind::Fixed, {99, 400}, u"Work (D:)"};
    EXPECT_EQ(cache.Space(u"D:\\"), (DriveSpace{99, 400}));
    EXPECT_EQ(cache.DisplayName(u"D:\\"), u"Work (D:)");
}

}  // namespace
}  // namespace kuvano
