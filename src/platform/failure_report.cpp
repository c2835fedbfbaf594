#include "platform/failure_report.h"

#include <atomic>
#include <exception>
#include <string>

namespace kuvano {
namespace {

std::atomic<long long>& Failures() {
    static std::atomic<long long> failures{0};
    return failures;
}

std::wstring CaughtText() {
    try {
        throw;
    } catch (const std::exception& error) {
        const std::string text = error.what();
        return std::wstring(text.begin(), text.end());  // the library's texts are ASCII
    } catch (...) {
        return L"an exception of unknown kind";
    }
}

}  // namespace

void ReportFailure(std::wstring_view what) noexcept {
    Failures().fetch_add(1, std::memory_order_relaxed);
    try {
        const std::wstring line = L"Kuvano: " + std::wstring(what) + L"\n";
        WriteDebugLine(line.c_str());
    } catch (...) {
        WriteDebugLine(L"Kuvano: a failure, with no memory left to name it\n");
    }
}

void ReportCaughtFailure(std::wstring_view where) noexcept {
    try {
        ReportFailure(std::wstring(where) + L": " + CaughtText());
    } catch (...) {
        ReportFailure(where);
    }
}

long long FailureCount() noexcept {
    return Failures().load(std::memory_order_relaxed);
}

}  // namespace kuvano
