#pragma once

#include <string>

#include "platform/scoped_win32.h"

namespace kuvano {

// Opens a folder only to ask about it (its final path, its identity): no
// access rights are asked for, none are needed, and nothing is locked.
// Empty where it cannot be opened.
UniqueFile OpenFolderToQuery(const std::u16string& folder);

}  // namespace kuvano
