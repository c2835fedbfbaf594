#include "platform/base_window_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace kuvano {
namespace {

// Every handler of this window throws.
class ThrowingWindow final : public BaseWindow<ThrowingWindow> {
public:
    ThrowingWindow() { Create({.style = WS_OVERLAPPEDWINDOW, .title = L"abc"}); }
    static const wchar_t* ClassName() { return L"KuvanoThrowingWindow"; }
    LRESULT HandleMessage(UINT, WPARAM, LPARAM) { throw std::runtime_error("a handler failed"); }
};

// The failure reaches the count every other test holds at 0; the message gets
// default handling, but a close or a session's end is refused, not let
// through unsaved.
TEST(BaseWindow, AHandlerThatThrowsIsReportedAndRefusesACloseOrASessionsEnd) {
    const ThrowingWindow window;
    const struct {
        UINT message;
        LRESULT answer;
    } cases[] = {{WM_GETTEXTLENGTH, 3}, {WM_QUERYENDSESSION, FALSE}, {WM_CLOSE, 0}};
    for (const auto& [message, answer] : cases) {
        const long long before = FailureCount();
        EXPECT_EQ(SendMessageW(window.Handle(), message, 0, 0), answer) << message;
        EXPECT_EQ(FailureCount(), before + 1) << message;
        EXPECT_TRUE(IsWindow(window.Handle())) << message;
    }
}

}  // namespace
}  // namespace kuvano
