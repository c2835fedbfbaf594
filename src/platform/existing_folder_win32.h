#pragma once

#include <string>

namespace kuvano {

// Whether the path names a folder that exists now, at any length of path.
bool IsExistingFolder(const std::u16string& path);

}  // namespace kuvano
