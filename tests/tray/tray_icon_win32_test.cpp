#include "tray/tray_icon_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kuvano {
namespace {

// The shell as a test plays it: it keeps what each call carried and refuses
// the calls it is told to.
struct RecordingShell {
    struct Call {
        DWORD message;
        NOTIFYICONDATAW record;
    };
    std::vector<Call> calls;
    int refusals = 0;  // the next calls refused

    TrayNotifier Notifier() {
        return [this](DWORD message, NOTIFYICONDATAW* record) {
            calls.push_back({message, *record});
            return refusals > 0 ? (--refusals, FALSE) : TRUE;
        };
    }
    std::string Messages() const {
        std::string text;
        for (const Call& call : calls) text += call.message == NIM_ADD ? 'A' : call.message == NIM_MODIFY ? 'M' : 'D';
        return text;
    }
};

class TrayIconTest : public ::testing::Test {
protected:
    ~TrayIconTest() override { DestroyWindow(owner); }

    const HICON first = LoadIconW(nullptr, IDI_APPLICATION), second = LoadIconW(nullptr, IDI_WARNING);
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    RecordingShell shell;
};

TEST_F(TrayIconTest, TellsTheShellWhatChangedAndAddsAgainForANewTaskbar) {
    TrayIcon icon(owner, {}, {}, shell.Notifier());
    icon.Add(first, u"Kuvano");
    ASSERT_EQ(shell.Messages(), "A");
    const NOTIFYICONDATAW& added = shell.calls[0].record;
    EXPECT_EQ(added.uFlags, UINT{NIF_MESSAGE | NIF_ICON | NIF_TIP});
    EXPECT_EQ(added.uCallbackMessage, kTrayCallbackMessage);
    EXPECT_EQ(std::make_pair(added.hIcon, std::wstring(added.szTip)), std::make_pair(first, std::wstring(L"Kuvano")));
    icon.Update(first, u"Kuvano");
    EXPECT_EQ(shell.Messages(), "A") << "nothing changed";
    icon.Update(first, u"Cドライブ空き=約5ギガバイト");
    ASSERT_EQ(shell.Messages(), "AM");
    EXPECT_EQ(std::wstring(shell.calls[1].record.szTip), L"Cドライブ空き=約5ギガバイト");
    icon.TaskbarCreated();
    EXPECT_EQ(shell.Messages(), "AMA");
    icon.Remove();
    icon.Update(second, u"gone");
    EXPECT_EQ(shell.Messages(), "AMAD") << "a removed icon stays removed";
}

// At a busy sign-in the shell refuses an add that may yet have been carried
// out: the next update modifies, and adds only when that is refused too.
TEST_F(TrayIconTest, TriesARefusedCallAgainAtTheNextUpdateWithTheCurrentPictureAndTip) {
    TrayIcon icon(owner, {}, {}, shell.Notifier());
    shell.refusals = 1;
    icon.Add(first, u"Kuvano");
    shell.refusals = 1;
    icon.Update(second, u"E");
    EXPECT_EQ(shell.Messages(), "AMA");
    EXPECT_EQ(std::make_pair(shell.calls[2].record.hIcon, std::wstring(shell.calls[2].record.szTip)),
              std::make_pair(second, std::wstring(L"E")));
    icon.Update(second, u"E");
    EXPECT_EQ(shell.Messages(), "AMA") << "shown now: nothing more to tell";
    shell.refusals = 1;
    icon.Update(first, u"F");
    icon.Update(first, u"F");
    EXPECT_EQ(shell.Messages(), "AMAMM") << "a refused modify is sent again";
}

}  // namespace
}  // namespace kuvano
