#include "platform/failure_report_win32.h"

#include <windows.h>

namespace kuvano {

void WriteDebugLine(const wchar_t* line) noexcept {
    OutputDebugStringW(line);
}

unsigned FailureCountMessage() {
    static const UINT message = RegisterWindowMessageW(L"Kuvano.FailureCount");
    return message;
}

}  // namespace kuvano
