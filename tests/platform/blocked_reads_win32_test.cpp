// A survey thread's blocked read, ended from another thread.
#include "platform/blocked_reads_win32.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#include "platform/failure_report.h"

namespace kuvano {
namespace {

// The read may not have begun when the interrupter is first called, which
// then finds nothing to end: it is called until the read ends. Once the
// thread has ended, its interrupter still holds a valid handle and finds
// nothing to end; neither is a failure.
TEST(BlockedReadsWin32, EndsAnotherThreadsReadAndOutlivesTheThread) {
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    std::promise<std::function<void()>> handedOver;
    std::atomic<bool> ended = false;
    DWORD readError = 0;
    std::thread reader([&] {
        handedOver.set_value(BlockedReadsWin32().InterrupterForThisThread());
        char byte = 0;
        DWORD read = 0;
        if (!ReadFile(readEnd, &byte, 1, &read, nullptr)) readError = GetLastError();
        ended = true;
    });
    const long long failures = FailureCount();
    const std::function<void()> interrupt = handedOver.get_future().get();
    for (int tries = 0; interrupt && !ended && tries < 1000; ++tries) {
        interrupt();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    DWORD written = 0;
    if (!ended) WriteFile(writeEnd, "x", 1, &written, nullptr);  // lets the reader go, so that the test can fail
    reader.join();
    ASSERT_TRUE(interrupt);
    interrupt();
    EXPECT_EQ(readError, static_cast<DWORD>(ERROR_OPERATION_ABORTED)) << "the read was not ended";
    EXPECT_EQ(FailureCount(), failures);
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
}

}  // namespace
}  // namespace kuvano
