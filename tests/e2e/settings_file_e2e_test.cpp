// The real Kuvano.exe in a Wine desktop: started, closed through its main
// window, and what it leaves in its settings file.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/driver_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using e2e::Driver;
using testing::ReadFileBytes;
using testing::ScratchFolder;

constexpr std::string_view kDefaultFile =
    "[setei]\r\ndrivenam=C\r\ntani=3\r\nsyurui=2\r\nbarhyoj=1\r\n"
    "[keikoku]\r\ntenm1=0\r\ntenm2=0\r\ntenm3=0\r\ntenm4=0\r\ntenm5=0\r\ntenm6=0\r\n"
    "[color]\r\naki=12632256\r\n[taskbar]\r\nhidari=1\r\n[saidbar]\r\niti=3\r\nenGrf=0\r\n";

// Copies Kuvano.exe into `folder` as `name`, runs it, and asks it to close
// through its main window, as quitting from its menu does.
void RunAndClose(const ScratchFolder& folder, const std::wstring& name) {
    const std::wstring program = folder.File(name);
    ASSERT_TRUE(CopyFileW(Driver::ProgramUnderTest().c_str(), program.c_str(), FALSE));
    Driver::Start(program);
    const auto mainWindow = Driver::FindWindowOf(program, L"TForm1");
    ASSERT_TRUE(mainWindow.has_value()) << "Kuvano's main window did not appear";
    EXPECT_FALSE(Driver::HasVisibleStyle(*mainWindow)) << "the main window is never shown";
    PostMessageW(*mainWindow, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Driver::WaitForExit(*mainWindow)) << "Kuvano did not end after its main window closed";
}

TEST(SettingsFileEndToEnd, AFirstRunWritesTheDefaultsBesideTheProgram) {
    ScratchFolder folder(L"e2e-first-run");
    RunAndClose(folder, L"Kuvano.exe");
    EXPECT_EQ(ReadFileBytes(folder.File(L"Kuvano.ini")), kDefaultFile);
}

TEST(SettingsFileEndToEnd, TheFileIsNamedAfterTheProgram) {
    ScratchFolder folder(L"e2e-renamed");
    RunAndClose(folder, L"ドライブ.exe");
    EXPECT_EQ(ReadFileBytes(folder.File(L"ドライブ.ini")), kDefaultFile);
    EXPECT_FALSE(testing::FileExists(folder.File(L"Kuvano.ini")));
}

}  // namespace
}  // namespace kuvano
