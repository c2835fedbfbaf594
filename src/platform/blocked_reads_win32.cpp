#include "platform/blocked_reads_win32.h"

#include <windows.h>

#include <memory>
#include <string>

#include "platform/failure_report.h"
#include "platform/unique_handle_win32.h"

namespace kuvano {
namespace {

using UniqueThread = UniqueHandle<HANDLE, NullInvalidTraits<HANDLE, CloseHandle>>;

}  // namespace

std::function<void()> BlockedReadsWin32::InterrupterForThisThread() const {
    // GetCurrentThread() is a pseudo handle that means whichever thread uses
    // it: the interrupter needs a real one. CancelSynchronousIo needs only the
    // right to terminate.
    HANDLE thread = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &thread, THREAD_TERMINATE, FALSE,
                         0)) {
        ReportFailure(L"taking a handle of a survey thread: error " + std::to_wstring(GetLastError()));
        return {};
    }
    return [owned = std::make_shared<const UniqueThread>(thread)] {
        if (CancelSynchronousIo(owned->get())) return;
        const DWORD error = GetLastError();
        // Nothing was pending: the read ended by itself, or the thread did.
        if (error != ERROR_NOT_FOUND) {
            ReportFailure(L"ending a survey thread's blocked read: error " + std::to_wstring(error));
        }
    };
}

}  // namespace kuvano
