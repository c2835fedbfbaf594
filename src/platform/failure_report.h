#pragma once

#include <string_view>

namespace kuvano {

// The one place where a failure that the user is not told of leaves a trace:
// the debugger's output names it, and a count that tests read must stay 0.
void ReportFailure(std::wstring_view what) noexcept;
// From inside a catch block: reports `where`, with the exception's own text
// when it has one.
void ReportCaughtFailure(std::wstring_view where) noexcept;
long long FailureCount() noexcept;

// Where a report's line goes: the debugger's output on Windows, the error
// stream elsewhere.
void WriteDebugLine(const wchar_t* line) noexcept;

}  // namespace kuvano
