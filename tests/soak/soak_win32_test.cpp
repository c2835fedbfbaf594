// Tens of thousands of tray ticks, sidebar refreshes and settings panel
// refreshes in one process, with drives coming and going and warnings
// blinking: handles and memory must stay flat. Wine does not count a
// process's GUI objects, so the GDI and USER handle tables are filled but
// for a few places, which a leak of one object per cycle would use up, and
// the program's own handle wrappers are counted.
#include <windows.h>
#include <commctrl.h>
#include <dbt.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/main_window_win32.h"
#include "help/about_box_win32.h"
#include "platform/failure_report_win32.h"
#include "settings_panel/settings_window_win32.h"
#include "sidebar/sidebar_window_win32.h"
#include "support/fake_drive_platform.h"
#include "support/fake_file_store.h"

namespace kuvano {
namespace {

using testing::FakeDrivePlatform;
using testing::FakeFileStore;

constexpr int kCycles = 20'000;  // tray ticks; the sidebar and the panel refresh every other one
constexpr size_t kSparePlaces = 300;
constexpr int64_t kMiB = 1 << 20;

// Takes every place of a handle table but `spare`, and gives them back at the end.
template <typename Handle, Handle (*Make)(), BOOL (*Free)(Handle)>
class TableHog {
public:
    explicit TableHog(size_t spare) {
        while (const Handle handle = Make()) held_.push_back(handle);
        for (size_t i = 0; i < spare && !held_.empty(); ++i) {
            Free(held_.back());
            held_.pop_back();
        }
    }
    ~TableHog() {
        for (const Handle handle : held_) Free(handle);
    }
    size_t Held() const { return held_.size(); }

    static size_t FreePlaces(size_t atMost) {
        std::vector<Handle> probe;
        while (probe.size() < atMost) {
            const Handle handle = Make();
            if (!handle) break;
            probe.push_back(handle);
        }
        for (const Handle handle : probe) Free(handle);
        return probe.size();
    }

private:
    std::vector<Handle> held_;
};

HBITMAP MakeBitmap() {
    return CreateBitmap(1, 1, 1, 1, nullptr);
}
BOOL FreeBitmap(HBITMAP bitmap) {
    return DeleteObject(bitmap);
}
using GdiHog = TableHog<HBITMAP, MakeBitmap, FreeBitmap>;
using UserHog = TableHog<HMENU, CreatePopupMenu, DestroyMenu>;

size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    return counters.PrivateUsage;
}

long long WrappedHandles() {
    return UniqueIcon::Held() + UniqueBitmap::Held() + UniqueFont::Held() + UniqueBrush::Held() + UniqueMenu::Held() +
           UniqueImageList::Held() + UniqueWindow::Held();
}

class Soak : public ::testing::Test {
protected:
    Soak() {
        drives.drives[u"C:\\"] = {DriveKind::Fixed, {4 * kMiB, 1000 * kMiB}, u""};  // below the warning: blinks
        settings.drivenam = "E";  // comes and goes: the tray falls back and returns
        EXPECT_TRUE(form1.Create());
        EXPECT_TRUE(about.Create(form1.Handle()));
        EXPECT_TRUE(form4.Create(form1.Handle()));
        EXPECT_TRUE(form2.Create(form1.Handle()));
        form1.Link(monitor, about, {});
        form4.Link(form2.Warning(), {});
        ShowWindow(form2.Handle(), SW_SHOWNOACTIVATE);
        // A warning below 5 MB free: the small drives blink.
        SendMessageW(GetDlgItem(form2.Handle(), TForm2::kFirstDigitUpDown + 5), UDM_SETPOS32, 0, 5);
    }
    ~Soak() override {
        MSG quit;
        while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // Drives appear and disappear on their own rhythms, announced as the
    // system announces volumes; free space drifts.
    void ChangeDrives(int cycle) {
        const auto toggle = [this](const char16_t* root, bool present, DriveSpace space) {
            const bool wasPresent = drives.drives.contains(root);
            if (present) {
                drives.drives[root] = {DriveKind::Removable, space, u""};
            } else {
                drives.drives.erase(root);
            }
            if (present != wasPresent) SendMessageW(form1.Handle(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
        };
        const int64_t drift = (cycle % 9) * kMiB / 2;
        toggle(u"E:\\", cycle / 7 % 2 == 0, {2 * kMiB + drift, 64 * kMiB});
        toggle(u"F:\\", cycle / 11 % 2 == 0, {900 * kMiB - drift, 1000 * kMiB});
        toggle(u"G:\\", cycle / 13 % 3 != 0, {kMiB, 16 * kMiB});
    }

    void RunCycle(int cycle) {
        ChangeDrives(cycle);
        SendMessageW(form1.Handle(), WM_TIMER, TForm1::kTimer1, 0);
        if (cycle % 2 == 0) {
            SendMessageW(form4.Handle(), WM_TIMER, TForm4::kTimer1, 0);
            SendMessageW(form2.Handle(), WM_TIMER, TForm2::kSeteiTimer, 0);
            RedrawWindow(form4.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        // Painting the whole panel costs twenty times a refresh: now and then is enough.
        if (cycle % 50 == 0) {
            RedrawWindow(form2.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    }

    Settings settings;
    FakeFileStore store;
    FakeDrivePlatform drives;
    DriveKindCache driveKinds{drives};
    TFormInfo about;
    TForm2 form2{settings, driveKinds};
    DriveMonitor monitor{settings, driveKinds, form2.Warning()};
    TForm1 form1{settings, store, u"C:\\Tools\\Kuvano.exe", driveKinds};
    TForm4 form4{settings, driveKinds};
};

TEST_F(Soak, HandlesAndMemoryStayFlatOverTensOfThousandsOfCycles) {
    for (int cycle = 0; cycle < 500; ++cycle) RunCycle(cycle);  // every picture and line made once
    const long long wrapped = WrappedHandles();
    const size_t privateBytes = PrivateBytes();
    const GdiHog gdi(kSparePlaces);
    const UserHog user(kSparePlaces);
    ASSERT_GT(gdi.Held(), 10'000u) << "the GDI table should hold thousands of objects";
    ASSERT_GT(user.Held(), 10'000u) << "the USER table should hold thousands of objects";

    int trayChanges = 0;
    HICON previous = form1.TrayIconObject();
    for (int cycle = 500; cycle < 500 + kCycles; ++cycle) {
        RunCycle(cycle);
        trayChanges += form1.TrayIconObject() != previous;
        previous = form1.TrayIconObject();
        if (cycle % 1000 == 0) {
            ASSERT_NE(previous, nullptr) << "cycle " << cycle;
            ASSERT_EQ(WrappedHandles(), wrapped) << "cycle " << cycle;
        }
    }
    EXPECT_GE(GdiHog::FreePlaces(2 * kSparePlaces), kSparePlaces);
    EXPECT_GE(UserHog::FreePlaces(2 * kSparePlaces), kSparePlaces);
    EXPECT_EQ(WrappedHandles(), wrapped);
    EXPECT_GT(trayChanges, kCycles / 4) << "the tray kept blinking and following the drives";
    EXPECT_LT(PrivateBytes(), privateBytes + 2 * static_cast<size_t>(kMiB))
        << "private memory grew by " << (PrivateBytes() - privateBytes) / 1024 << " KiB";
    EXPECT_EQ(FailureCount(), 0) << "a tick failed; the debugger's output says which";
}

}  // namespace
}  // namespace kuvano
