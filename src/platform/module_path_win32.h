#pragma once

#include <string>

namespace kuvano {

// The full path of the running executable.
std::u16string ProgramPath();

}  // namespace kuvano
