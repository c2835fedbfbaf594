#include "platform/drive_platform_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace kuvano {
namespace {

// T: is a 16 MiB tmpfs holding one 1 MiB file (with-scratch-mounts.sh).
constexpr int64_t kMiB = 1'048'576;

TEST(DrivePlatformWin32, AnswersTheDriveType) {
    const DrivePlatformWin32 drives;
    EXPECT_EQ(drives.Kind(u"C:\\"), DriveKind::Fixed);
    EXPECT_EQ(drives.Kind(u"T:\\"), DriveKind::Fixed);
    EXPECT_EQ(drives.Kind(u"Q:\\"), DriveKind::CdRom);  // set up so in the test prefix
    EXPECT_EQ(drives.Kind(u"P:\\"), DriveKind::NoRootDirectory);
    EXPECT_EQ(drives.Kind(u"\\:\\"), DriveKind::NoRootDirectory);
}

TEST(DrivePlatformWin32, MeasuresFreeAndTotalBytesExactly) {
    const DrivePlatformWin32 drives;
    EXPECT_EQ(drives.Space(u"T:\\"), (DriveSpace{15 * kMiB, 16 * kMiB}));
    EXPECT_EQ(drives.Space(u"P:\\"), DriveSpace{});  // no such drive: 0 of 0
    EXPECT_EQ(drives.Space(u"\\:\\"), DriveSpace{});
    const DriveSpace c = drives.Space(u"C:\\");
    EXPECT_GT(c.totalBytes, 0);
    EXPECT_GE(c.totalBytes, c.freeBytes);
}

TEST(DrivePlatformWin32, PutsTheThreadErrorModeBack) {
    const DrivePlatformWin32 drives;
    ASSERT_TRUE(SetThreadErrorMode(SEM_NOGPFAULTERRORBOX, nullptr));
    drives.Space(u"T:\\");
    drives.Space(u"P:\\");
    drives.Kind(u"P:\\");
    EXPECT_EQ(GetThreadErrorMode(), static_cast<DWORD>(SEM_NOGPFAULTERRORBOX));
    SetThreadErrorMode(0, nullptr);
}

TEST(DrivePlatformWin32, GivesTheShellsDisplayName) {
    const DrivePlatformWin32 drives;
    const std::u16string name = drives.DisplayName(u"C:\\");
    EXPECT_NE(name.find(u"C:"), std::u16string::npos) << std::string(name.begin(), name.end());
}

}  // namespace
}  // namespace kuvano
