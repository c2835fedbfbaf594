#include "app/main_window_win32.h"

#include <windows.h>
#include <dbt.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/failure_report_win32.h"
#include "support/fake_drive_platform.h"
#include "support/fake_file_store.h"
#include "support/fake_warning_digits.h"

namespace kuvano {
namespace {

using testing::FakeDrivePlatform;
using testing::FakeFileStore;

// The main window in this process, with its drives and settings file faked.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        digits.digits = {0, 0, 0, 0, 0, 1};
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {50, 100}, u""};
        drives.drives[u"E:\\"] = {DriveKind::Removable, {0, 0}, u""};  // no media: warns
        EXPECT_TRUE(about.Create(nullptr));
        EXPECT_TRUE(form1.Create());
        form1.Link(monitor, about, {});
    }
    ~MainWindowTest() override {
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    void Tick() { SendMessageW(form1.Handle(), WM_TIMER, TForm1::kTimer1, 0); }

    Settings settings;
    FakeFileStore store;
    FakeDrivePlatform drives;
    DriveKindCache driveKinds{drives};
    testing::FakeWarningDigits digits;
    LowSpaceWarning warning{digits};
    DriveMonitor monitor{settings, driveKinds, warning};
    TFormInfo about;
    TForm1 form1{settings, store, u"C:\\Tools\\Kuvano.exe", driveKinds};
};

bool IsIcon(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

TEST_F(MainWindowTest, StartsFromTheSettingsAndTheProgramsDrive) {
    EXPECT_EQ(settings.HomeDrive, "C");
    EXPECT_EQ(settings.drivenam, "C");
    EXPECT_TRUE(GetWindowLongW(form1.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(IsWindowVisible(form1.Handle()));
}

TEST_F(MainWindowTest, AVolumeThatArrivesIsSeenAtTheNextTick) {
    settings.drivenam = "F";
    Tick();
    EXPECT_EQ(settings.drivenam, "C") << "no F: yet: the tray falls back to the program's drive";

    drives.drives[u"F:\\"] = {DriveKind::Removable, {1, 2}, u""};
    settings.drivenam = "F";
    Tick();
    EXPECT_EQ(settings.drivenam, "C") << "the type is remembered until the system announces a change";

    DEV_BROADCAST_VOLUME volume{sizeof(volume), DBT_DEVTYP_VOLUME, 0, 1u << 5, DBTF_MEDIA};
    EXPECT_EQ(SendMessageW(form1.Handle(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume)),
              TRUE);
    settings.drivenam = "F";
    Tick();
    EXPECT_EQ(settings.drivenam, "F");

    // A substituted letter comes unannounced: the mask of letters shows it within a second.
    drives.drives[u"G:\\"] = {DriveKind::Fixed, {1, 2}, u""};
    for (int tick = 0; tick < 2; ++tick) {
        settings.drivenam = "G";
        Tick();
    }
    EXPECT_EQ(settings.drivenam, "G");
}

// Fills the process's GDI handle table but for `spare` places.
std::vector<HBITMAP> HogGdiHandles(size_t spare) {
    std::vector<HBITMAP> hog;
    while (const HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr)) hog.push_back(bitmap);
    for (size_t i = 0; i < spare && !hog.empty(); ++i) {
        DeleteObject(hog.back());
        hog.pop_back();
    }
    return hog;
}

size_t FreeGdiPlaces(size_t atMost) {
    std::vector<HBITMAP> probe;
    while (probe.size() < atMost) {
        const HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
        if (!bitmap) break;
        probe.push_back(bitmap);
    }
    for (HBITMAP bitmap : probe) DeleteObject(bitmap);
    return probe.size();
}

// With the handle table full but for 500 places, a tick that leaked even one
// GDI object (every icon holds two bitmaps) would use them up within these
// 2,000 ticks.
TEST_F(MainWindowTest, TicksLeakNoHandles) {
    settings.drivenam = "E";
    std::vector<HBITMAP> hog = HogGdiHandles(500);
    ASSERT_GT(hog.size(), 10'000u) << "the handle table should hold thousands of objects";
    ASSERT_EQ(FreeGdiPlaces(1000), 500u);

    HICON previous = form1.TrayIconObject();
    int changes = 0;
    for (int tick = 0; tick < 2'000; ++tick) {
        Tick();
        changes += form1.TrayIconObject() != previous;
        previous = form1.TrayIconObject();
        if (tick % 100 == 0) {
            ASSERT_TRUE(IsIcon(previous)) << "tick " << tick;
        }
    }
    EXPECT_EQ(FreeGdiPlaces(1000), 500u);
    EXPECT_EQ(changes, 2'000);  // blinking: each tick switches between the warning frame and the level picture
    for (HBITMAP bitmap : hog) DeleteObject(bitmap);
}

TEST_F(MainWindowTest, TheTrayDriveFallsBackAndTheCloseQuerySavesIt) {
    settings.drivenam = "Q";  // no such drive
    Tick();
    EXPECT_EQ(settings.drivenam, "C");
    SendMessageW(form1.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form1.Handle(), nullptr);  // closed: the save succeeded
    EXPECT_NE(store.files.at(u"C:\\Tools\\Kuvano.ini").find("drivenam=C\r\n"), std::string::npos);
}

TEST_F(MainWindowTest, LoggingOffSavesToo) {
    settings.tani = 1;
    EXPECT_EQ(SendMessageW(form1.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_NE(store.files.at(u"C:\\Tools\\Kuvano.ini").find("tani=1\r\n"), std::string::npos);
}

// The user is told nothing of a failed tick, but it leaves a trace.
TEST_F(MainWindowTest, AFailedTickIsReported) {
    digits.unreadable = true;
    const long long before = FailureCount();
    Tick();
    EXPECT_EQ(FailureCount(), before + 1);
}

// Ended by its owner's scope, as when the program fails to start: the object
// is gone before its window, so no handler may run (its WM_DESTROY would
// post a quit and take the tray icon down a second time).
TEST(MainWindowEnd, LeavingTheScopeDestroysTheWindowWithoutRunningAHandler) {
    Settings settings;
    FakeFileStore store;
    FakeDrivePlatform drives;
    DriveKindCache driveKinds{drives};
    HWND window = nullptr;
    {
        TForm1 form1{settings, store, u"C:\\Tools\\Kuvano.exe", driveKinds};
        ASSERT_TRUE(form1.Create());
        window = form1.Handle();
    }
    EXPECT_FALSE(IsWindow(window));
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a handler ran after the object ended";
}

}  // namespace
}  // namespace kuvano
