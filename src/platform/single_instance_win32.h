#pragma once

#include <string>

#include "platform/scoped_win32.h"

namespace kuvano {

// One running copy of a program file per user session: a second start of
// the same file (by hand, after a start at sign-in) must not add a second
// icon, a second strip and a second writer of the settings file.
class SingleInstance {
public:
    explicit SingleInstance(const std::u16string& programPath);
    // Whether another copy of this file runs in this session already.
    bool AnotherRuns() const { return anotherRuns_; }

private:
    UniqueHandle<HANDLE, NullInvalidTraits<HANDLE, CloseHandle>> mark_;
    bool anotherRuns_ = false;
};

}  // namespace kuvano
