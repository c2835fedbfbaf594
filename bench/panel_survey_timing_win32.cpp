// Times a folder survey through the panel of the real Kuvano.exe, for
// several builds side by side: each program runs in the Wine desktop with
// a taskbar, and its panel surveys FOLDER from the history box, as a user's
// pick does, timed from the pick until the panel is idle again. After a
// warm-up survey each, the programs survey in turn, ROUNDS rounds; prints
// the medians, each program's against the first's, and checks that all
// show the same rows.
//   panel_survey_timing_win32 ROUNDS FOLDER REFERENCE.exe PROGRAM.exe...
// Each program in a folder of its own, where its settings file is left.
// ROUNDS 0: the warm-up survey only, for counting what it asks of the system.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "side_by_side.h"

namespace kuvano::bench {
namespace {

// The program's window classes, control ids and menu commands, the same in every build measured.
constexpr wchar_t kSidebarClass[] = L"TForm4";
constexpr wchar_t kFolderSizeClass[] = L"TForm5";
constexpr int kSizeList = 100, kHistoryBox = 102, kStartButton = 103, kStopButton = 104;
constexpr WPARAM kShowFolderSizes = 108, kQuit = 110;

// A build must survey at least as fast as the reference, give or take the noise.
constexpr double kTargetOverReference = 1.05;
constexpr auto kPoll = std::chrono::milliseconds(10);
constexpr auto kStartPatience = std::chrono::seconds(60);
constexpr auto kSurveyPatience = std::chrono::minutes(10);

using Clock = std::chrono::steady_clock;
using Row = std::vector<std::wstring>;

bool Eventually(const std::function<bool()>& holds, Clock::duration patience) {
    for (const auto end = Clock::now() + patience; !holds();) {
        if (Clock::now() >= end) return false;
        std::this_thread::sleep_for(kPoll);
    }
    return true;
}

void Require(bool holds, const std::string& what) {
    if (!holds) throw std::runtime_error(what);
}

// A window of that class that none of the programs started before owns.
HWND NewWindowOf(const wchar_t* className, const std::set<HWND>& known) {
    HWND found = nullptr;
    Eventually(
        [&] {
            for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr));) {
                if (!known.contains(window)) return (found = window) != nullptr;
            }
            return false;
        },
        kStartPatience);
    return found;
}

// A survey's rows as the list shows them. The list reads and writes the item
// record in its own process, so the record and its text are placed there.
std::vector<Row> Rows(HWND list) {
    DWORD processId = 0;
    GetWindowThreadProcessId(list, &processId);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    auto* remote = static_cast<LVITEMW*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    std::vector<Row> rows(static_cast<size_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));
    for (size_t row = 0; remote && row < rows.size(); ++row) {
        for (int column = 0; column < 3; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = reinterpret_cast<wchar_t*>(remote + 1);
            item.cchTextMax = 1024;
            wchar_t text[1024]{};
            WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
            const auto length = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
            ReadProcessMemory(process, item.pszText, text, sizeof text, nullptr);
            rows[row].emplace_back(text, static_cast<size_t>(length));
        }
    }
    if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (process) CloseHandle(process);
    return rows;
}

// Each round's time over the reference's in the same round: the two ran
// moments apart, so a load that comes and goes touches both alike.
double MedianOfRatios(const std::vector<double>& seconds, const std::vector<double>& reference) {
    std::vector<double> ratios;
    for (size_t round = 0; round < seconds.size(); ++round) ratios.push_back(seconds[round] / reference[round]);
    return Median(ratios);
}

// One running Kuvano.exe with its folder size panel shown.
class RunningProgram {
public:
    RunningProgram(const std::wstring& path, std::set<HWND>& known) : path_(path) {
        StartInShellDesktop(path);
        JoinShellDesktop();
        sidebar_ = NewWindowOf(kSidebarClass, known);
        panel_ = NewWindowOf(kFolderSizeClass, known);
        Require(sidebar_ && panel_, "no windows of a program");
        known.insert({sidebar_, panel_});
        GetWindowThreadProcessId(panel_, &processId_);
        PostMessageW(sidebar_, WM_COMMAND, kShowFolderSizes, 0);
        Require(Eventually([&] { return IsWindowVisible(panel_) != FALSE; }, kStartPatience), "the panel did not show");
    }
    ~RunningProgram() {
        const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId_);
        PostMessageW(sidebar_, WM_COMMAND, kQuit, 0);
        if (process) {
            WaitForSingleObject(process, 20'000);
            CloseHandle(process);
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Picks the folder from the history box: the seconds until the panel is idle again.
    double Survey(const std::wstring& folder) const {
        const HWND history = Control(kHistoryBox);
        SendMessageW(history, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(folder.c_str()));
        SendMessageW(history, CB_SETCURSEL, 0, 0);
        const auto start = Clock::now();
        PostMessageW(panel_, WM_COMMAND, MAKEWPARAM(kHistoryBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(history));
        Require(Eventually([&] { return IsWindowEnabled(Control(kStopButton)) != FALSE; }, kStartPatience),
                "no survey started");
        Require(Eventually([&] { return Idle(); }, kSurveyPatience), "the survey did not end");
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

    std::vector<Row> ShownRows() const { return Rows(Control(kSizeList)); }
    const std::wstring& Path() const { return path_; }
    DWORD ProcessId() const { return processId_; }

private:
    // Through Wine's explorer, which gives the desktop a taskbar. (The C
    // runtime's spawn functions fail there from the third start on.)
    static void StartInShellDesktop(const std::wstring& path) {
        std::wstring command = L"explorer.exe /desktop=shell,1280x800 \"" + path + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        const bool begun =
            CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started);
        Require(begun, "cannot start explorer: error " + std::to_string(GetLastError()));
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
    static void JoinShellDesktop() {
        static const bool joined = Eventually(
            [] { return SetThreadDesktop(OpenDesktopW(L"shell", 0, FALSE, GENERIC_ALL)) != FALSE; }, kStartPatience);
        Require(joined, "cannot join the desktop");
    }
    HWND Control(int id) const { return GetDlgItem(panel_, id); }
    bool Idle() const { return IsWindowEnabled(Control(kStartButton)) && !IsWindowEnabled(Control(kStopButton)); }

    std::wstring path_;
    HWND sidebar_ = nullptr;
    HWND panel_ = nullptr;
    DWORD processId_ = 0;
};

int Run(int rounds, const std::wstring& folder, const std::vector<std::wstring>& paths) {
    std::set<HWND> known;
    std::vector<std::unique_ptr<RunningProgram>> programs;
    for (const std::wstring& path : paths) programs.push_back(std::make_unique<RunningProgram>(path, known));
    std::vector<std::vector<double>> seconds(programs.size());
    std::vector<std::vector<Row>> rows;
    for (const auto& program : programs) {
        std::printf("program %zu: %ls, process %04lx, warm-up %.3f s\n", rows.size() + 1, program->Path().c_str(),
                    program->ProcessId(), program->Survey(folder));
        rows.push_back(program->ShownRows());
    }
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < programs.size(); ++i) seconds[i].push_back(programs[i]->Survey(folder));
    }
    std::printf("%zu rows; a survey of %ls through the panel, median of %d runs side by side:\n", rows[0].size(),
                folder.c_str(), rounds);
    for (size_t i = 0; rounds > 0 && i < programs.size(); ++i) {
        std::printf("  program %zu: %7.3f s (", i + 1, Median(seconds[i]));
        for (const double run : seconds[i]) std::printf(" %.3f", run);
        std::printf(" )");
        if (i > 0) {
            const double over = Median(seconds[i]) / Median(seconds[0]);
            std::printf("  program %zu / program 1: %.3f (target at most %.2f: %s), median of the rounds' own %.3f",
                        i + 1, over, kTargetOverReference, over <= kTargetOverReference ? "met" : "missed",
                        MedianOfRatios(seconds[i], seconds[0]));
        }
        std::printf("\n");
    }
    const bool same =
        !rows[0].empty() && std::ranges::all_of(rows, [&](const auto& shown) { return shown == rows[0]; });
    std::printf("%s\n", same ? "every program shows the same rows" : "MISMATCH: the programs show different rows");
    return same ? 0 : 1;
}

}  // namespace
}  // namespace kuvano::bench

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: panel_survey_timing_win32 ROUNDS FOLDER REFERENCE.exe PROGRAM.exe...\n");
        return 2;
    }
    try {
        return kuvano::bench::Run(_wtoi(argv[1]), argv[2], std::vector<std::wstring>(argv + 3, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "panel_survey_timing_win32: %s\n", error.what());
        return 1;
    }
}
