#include "art/avi_file.h"
#include "art/survey_animation.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>

#include "platform/unique_handle_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

UniqueWindow AnimationControl() {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&classes);
    return UniqueWindow(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, ANIMATE_CLASSW, L"", WS_POPUP, 40, 40, 25, 25,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
}

bool Play(HWND control, int repeat, int from, int to) {
    return SendMessageW(control, ACM_PLAY, static_cast<WPARAM>(repeat), MAKELPARAM(from, to)) != 0;
}

// The frame the control shows, or -1 while it shows none of them.
int ShownFrame(HWND control, const std::vector<PixelImage>& frames) {
    PixelImage shown(frames[0].width, frames[0].height);
    const HDC dc = GetDC(control);
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x) {
            const COLORREF colour = GetPixel(dc, x, y);
            shown.At(x, y) = {GetRValue(colour), GetGValue(colour), GetBValue(colour), 255};
        }
    }
    ReleaseDC(control, dc);
    for (size_t frame = 0; frame < frames.size(); ++frame) {
        if (frames[frame].pixels == shown.pixels) return static_cast<int>(frame);
    }
    return -1;
}

TEST(SurveyAnimationWin32, TheControlShowsAndLoopsTheClipAndFailsCleanlyWithoutOne) {
    const std::vector<PixelImage> frames = SurveyAnimationFrames();
    const testing::ScratchFolder folder(L"animation");
    testing::WriteFileBytes(folder.File(L"Kuvano.avi"), AviFileBytes(frames, kSurveyFrameMicroseconds));
    const UniqueWindow control = AnimationControl();
    ASSERT_TRUE(control);
    ASSERT_TRUE(
        SendMessageW(control.get(), ACM_OPENW, 0, reinterpret_cast<LPARAM>(folder.File(L"Kuvano.avi").c_str())));
    ShowWindow(control.get(), SW_SHOWNOACTIVATE);  // only a shown control draws
    for (int frame : {11, 6, 0}) {
        ASSERT_TRUE(Play(control.get(), 1, frame, frame)) << "seek";
        EXPECT_EQ(ShownFrame(control.get(), frames), frame);
    }

    ASSERT_TRUE(Play(control.get(), -1, kFirstLoopFrame, kLastLoopFrame));
    std::set<int> seen;
    for (const ULONGLONG end = GetTickCount64() + 5000; seen.size() < 4 && GetTickCount64() < end; Sleep(20)) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (const int frame = ShownFrame(control.get(), frames); frame >= kFirstLoopFrame) seen.insert(frame);
    }
    EXPECT_EQ(seen.size(), 4u) << "the clip moves on by itself";
    EXPECT_TRUE(SendMessageW(control.get(), ACM_STOP, 0, 0));

    // A clip that is not there closes the old one: the panel then simply goes without.
    EXPECT_FALSE(SendMessageW(control.get(), ACM_OPENW, 0, reinterpret_cast<LPARAM>(folder.File(L"none.avi").c_str())));
    EXPECT_FALSE(Play(control.get(), -1, kFirstLoopFrame, kLastLoopFrame));
}

}  // namespace
}  // namespace kuvano
