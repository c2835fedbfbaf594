// Hundreds of beats of the clock, drives coming and going, warnings blinking: handles and memory stay
// flat. Wine does not count a process's GUI objects, so the GDI and USER tables are filled
// but for a few places, of which a leak takes one more at every refresh.
#include <windows.h>
#include <commctrl.h>
#include <dbt.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/application_win32.h"
#include "platform/survey_system_win32.h"
#include "platform/failure_report.h"
#include "platform/text_collation_win32.h"
#include "support/fake_drive_platform.h"
#include "support/fake_file_store.h"

namespace kuvano {
namespace {

constexpr int kWarmUp = 100;                // every picture and line made once, the heap grown to its working size
constexpr int kCycles = 500;                // beats; the sidebar and the panel refresh every other one
constexpr size_t kMemoryBound = 32 * 1024;  // a leak of 128 bytes per beat passes it twice over
constexpr size_t kSparePlaces = 300;
constexpr int64_t kMiB = 1 << 20;

// Creates objects until the table is full or `atMost` are held.
template <typename Handle, Handle (*Make)(), BOOL (*Free)(Handle)>
struct TableHog {
    explicit TableHog(size_t atMost = SIZE_MAX) {
        held.reserve(1 << 17);  // more than a table holds
        for (Handle handle; held.size() < atMost && (handle = Make());) held.push_back(handle);
    }
    ~TableHog() { Release(held.size()); }
    void Release(size_t count) {
        for (; count > 0 && !held.empty(); --count, held.pop_back()) Free(held.back());
    }
    std::vector<Handle> held;
};
HGDIOBJ MakeBitmap() {
    return CreateBitmap(1, 1, 1, 1, nullptr);
}
using GdiHog = TableHog<HGDIOBJ, MakeBitmap, DeleteObject>;
using UserHog = TableHog<HMENU, CreatePopupMenu, DestroyMenu>;

// The bytes held in every heap of the process. The memory a heap has committed would hide a
// leak until it is used up; the blocks in use show every byte at once.
size_t HeapBytesInUse() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    size_t inUse = 0;
    for (DWORD heap = 0; heap < count && heap < 64; ++heap) {
        HeapLock(heaps[heap]);
        for (PROCESS_HEAP_ENTRY entry{}; HeapWalk(heaps[heap], &entry);)
            inUse += (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ? entry.cbData : 0;
        HeapUnlock(heaps[heap]);
    }
    return inUse;
}

TEST(Soak, HandlesAndMemoryStayFlatOverHundredsOfCycles) {
    testing::FakeFileStore store;
    store.files[u"C:\\Tools\\Kuvano.ini"] =
        "[setei]\r\ndrivenam=E\r\n";  // comes and goes: the tray falls back and returns
    testing::FakeDrivePlatform drives;
    drives.drives[u"C:\\"] = {DriveKind::Fixed, {4 * kMiB, 1000 * kMiB}, u""};  // below the warning: it blinks
    const TextCollationWin32 collation;
    const auto shell = [](DWORD, NOTIFYICONDATAW*) { return TRUE; };  // no taskbar here
    SessionEndBlockWin32 sessionEndBlock;
    Application application(
        {store, drives, SurveySystemWin32(), collation, sessionEndBlock, u"C:\\Tools\\Kuvano.exe", shell, {}});
    const HWND main = application.MainWindowHandle();
    const HWND sidebar = FindWindowW(L"TForm4", nullptr);
    const HWND panel = FindWindowW(L"TForm2", nullptr);
    ShowWindow(panel, SW_SHOWNOACTIVATE);
    SendMessageW(GetDlgItem(panel, SettingsWindow::kFirstDigitUpDown + 5), UDM_SETPOS32, 0, 5);  // below 5 MB: blink

    // Drives come and go on their own rhythms, announced as volumes are; free space drifts.
    const auto toggle = [&](const char16_t* root, bool present, DriveSpace space) {
        const bool wasPresent = drives.drives.erase(root) > 0;
        if (present) drives.drives[root] = {DriveKind::Removable, space, u""};
        if (present != wasPresent) SendMessageW(main, WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0);
    };
    const auto runCycle = [&](int cycle) {
        const int64_t drift = (cycle % 9) * kMiB / 2;
        toggle(u"E:\\", cycle / 7 % 2 == 0, {2 * kMiB + drift, 64 * kMiB});
        toggle(u"F:\\", cycle / 11 % 2 == 0, {900 * kMiB - drift, 1000 * kMiB});
        toggle(u"G:\\", cycle / 13 % 3 != 0, {kMiB, 16 * kMiB});
        SendMessageW(main, WM_TIMER, MainWindow::kClockTimer, 0);  // the sidebar and the panel every other beat
        if (cycle % 2 == 0) RedrawWindow(sidebar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        // Painting the whole panel costs twenty refreshes: now and then is enough.
        if (cycle % 50 == 0) RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };

    for (int cycle = 0; cycle < kWarmUp; ++cycle) runCycle(cycle);
    GdiHog gdi;
    UserHog user;
    gdi.Release(kSparePlaces);
    user.Release(kSparePlaces);
    const size_t heapBytes = HeapBytesInUse();  // after the hogs: the heap holds their lists
    int trayChanges = 0;
    for (int cycle = kWarmUp; cycle < kWarmUp + kCycles; ++cycle) {
        const HICON before = application.Tray().ShownPicture();
        runCycle(cycle);
        trayChanges += application.Tray().ShownPicture() != before;
    }
    EXPECT_GE(GdiHog(2 * kSparePlaces).held.size(), kSparePlaces);
    EXPECT_GE(UserHog(2 * kSparePlaces).held.size(), kSparePlaces);
    EXPECT_GT(trayChanges, kCycles / 4) << "the tray kept blinking and following the drives";
    EXPECT_LT(HeapBytesInUse(), heapBytes + kMemoryBound) << (HeapBytesInUse() - heapBytes) / 1024 << " KiB more";
    EXPECT_EQ(FailureCount(), 0) << "a refresh failed; the debugger's output says which";
}

}  // namespace
}  // namespace kuvano
