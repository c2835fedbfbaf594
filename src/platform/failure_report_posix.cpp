#include <cstdio>

#include "platform/failure_report.h"

namespace kuvano {

void WriteDebugLine(const wchar_t* line) noexcept {
    std::fprintf(stderr, "%ls", line);
}

}  // namespace kuvano
