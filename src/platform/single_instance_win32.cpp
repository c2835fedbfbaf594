#include "platform/single_instance_win32.h"

#include <cstdint>

#include "platform/failure_report.h"
#include "platform/wide_text_win32.h"

namespace kuvano {
namespace {

// A mutex's name holds no backslash and is short: the path in any letter
// case, as the file system matches it, gives a number of its own.
std::wstring MarkName(const std::u16string& programPath) {
    std::wstring upper(Wide(programPath));
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    uint64_t hash = 0xCBF29CE484222325;
    for (const wchar_t unit : upper) hash = (hash ^ static_cast<uint16_t>(unit)) * 0x100000001B3;
    wchar_t name[64]{};
    swprintf(name, 64, L"Local\\Kuvano.%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

// The session's own namespace: another user's copy is theirs.
SingleInstance::SingleInstance(const std::u16string& programPath)
    : mark_(CreateMutexW(nullptr, FALSE, MarkName(programPath).c_str())),
      anotherRuns_(mark_ && GetLastError() == ERROR_ALREADY_EXISTS) {
    if (!mark_) ReportFailure(L"the mark of a running copy");
}

}  // namespace kuvano
