#include "art/avi_file.h"
#include "art/survey_animation.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/scoped_win32.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

// The frame the control shows, read off the screen, or -1 for none of them.
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

// The system's animation control reads the written clip: each frame shows as drawn.
TEST(SurveyAnimationWin32, TheControlShowsEachFrameAsDrawn) {
    const std::vector<PixelImage> frames = SurveyAnimationFrames();
    const testing::ScratchFolder folder(L"animation");
    testing::WriteFileBytes(folder.File(L"Kuvano.avi"), AviFileBytes(frames, kSurveyFrameMicroseconds));
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_ANIMATE_CLASS};
    InitCommonControlsEx(&classes);
    const UniqueWindow control(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, ANIMATE_CLASSW, L"", WS_POPUP, 40, 40,
                                               25, 25, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(
        SendMessageW(control.get(), ACM_OPENW, 0, reinterpret_cast<LPARAM>(folder.File(L"Kuvano.avi").c_str())));
    ShowWindow(control.get(), SW_SHOWNOACTIVATE);  // only a shown control draws
    for (int frame = kLastLoopFrame; frame >= 0; --frame) {
        ASSERT_TRUE(SendMessageW(control.get(), ACM_PLAY, 1, MAKELPARAM(frame, frame))) << "seek";
        EXPECT_EQ(ShownFrame(control.get(), frames), frame);
    }
}

}  // namespace
}  // namespace kuvano
