#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

#include "platform/drive_platform_win32.h"
#include "platform/single_instance_win32.h"

namespace kuvano {
namespace {

// The shell's calls are made in a single-threaded apartment, entered when the
// first is needed: on a fresh thread, a drive's display name enters it.
TEST(ShellApartment, TheFirstShellCallOfAThreadEntersTheApartment) {
    HRESULT afterwards = E_FAIL;
    std::thread([&] {
        DrivePlatformWin32().DisplayName(u"C:\\");
        afterwards = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        if (SUCCEEDED(afterwards)) CoUninitialize();
    }).join();
    EXPECT_EQ(afterwards, S_FALSE) << "already entered";
}

// One running copy per program file, whatever the letter case of its path.
TEST(SingleInstance, KnowsASecondStartOfTheSameFileOnly) {
    const SingleInstance first(u"C:\\Tools\\Kuvano.exe");
    EXPECT_FALSE(first.AnotherRuns());
    EXPECT_TRUE(SingleInstance(u"c:\\tools\\kuvano.EXE").AnotherRuns());
    EXPECT_FALSE(SingleInstance(u"C:\\Other\\Kuvano.exe").AnotherRuns());
}

}  // namespace
}  // namespace kuvano
