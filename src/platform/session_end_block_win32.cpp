#include "platform/session_end_block_win32.h"

#include "platform/failure_report.h"
#include "platform/wine_win32.h"

namespace kuvano {

// Wine's is a stub that always fails: there its failure is no fault.
void SessionEndBlockWin32::Hold(HWND window, const std::wstring& reason) {
    held_ = ShutdownBlockReasonCreate(window, reason.c_str()) != FALSE;
    if (!held_ && !RunningUnderWine()) ReportFailure(L"holding the end of the session: " + reason);
}

void SessionEndBlockWin32::Release(HWND window) {
    if (held_) ShutdownBlockReasonDestroy(window);
    held_ = false;
}

}  // namespace kuvano
