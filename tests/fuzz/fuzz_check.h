#pragma once

#include <cstdio>
#include <cstdlib>

namespace kuvano::fuzz {

// Ends the run as a crash, so that libFuzzer keeps the input that broke the rule.
inline void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

}  // namespace kuvano::fuzz
