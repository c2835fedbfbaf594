#include "app/main_window_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_drive_platform.h"
#include "support/fake_file_store.h"
#include "support/fake_warning_digits.h"

namespace kuvano {
namespace {

// Creates up to `count` GDI objects, for the test to free.
std::vector<HBITMAP> TakeGdiPlaces(size_t count) {
    std::vector<HBITMAP> taken;
    while (taken.size() < count) {
        const HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
        if (!bitmap) break;
        taken.push_back(bitmap);
    }
    return taken;
}

void Free(const std::vector<HBITMAP>& bitmaps) {
    for (HBITMAP bitmap : bitmaps) DeleteObject(bitmap);
}

// With the GDI table full but for 500 places, a tick that leaked even one
// object would use them up within 2,000 ticks. The drive has no media, so
// the warning blinks and every tick switches the tray's picture.
TEST(MainWindow, TicksLeakNoHandles) {
    Settings settings;
    testing::FakeFileStore store;
    store.files[u"C:\\K\\Kuvano.ini"] = "[setei]\r\ndrivenam=E\r\n";
    testing::FakeDrivePlatform drives;
    drives.drives[u"E:\\"] = {DriveKind::Removable, {0, 0}, u""};
    DriveKindCache driveKinds{drives};
    testing::FakeWarningDigits digits;
    digits.digits = {0, 0, 0, 0, 0, 1};
    LowSpaceWarning warning{digits};
    DriveMonitor monitor{settings, driveKinds, warning};
    TFormInfo about;
    TForm1 form1{settings, store, u"C:\\K\\Kuvano.exe", driveKinds};
    ASSERT_TRUE(about.Create(nullptr) && form1.Create());
    form1.Link(monitor, about, {});

    std::vector<HBITMAP> hog = TakeGdiPlaces(1'000'000);
    ASSERT_GT(hog.size(), 10'000u);
    Free({hog.end() - 500, hog.end()});
    hog.resize(hog.size() - 500);
    int changes = 0;
    for (int tick = 0; tick < 2'000; ++tick) {
        const HICON before = form1.TrayIconObject();
        SendMessageW(form1.Handle(), WM_TIMER, TForm1::kTimer1, 0);
        changes += form1.TrayIconObject() != before;
    }
    const std::vector<HBITMAP> spare = TakeGdiPlaces(1000);
    EXPECT_EQ(spare.size(), 500u);
    EXPECT_EQ(changes, 2'000);
    EXPECT_EQ(settings.drivenam, "E");
    Free(spare);
    Free(hog);
}

}  // namespace
}  // namespace kuvano
