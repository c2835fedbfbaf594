#pragma once

#include <string>

namespace kuvano {

// The form in which the system's W functions take an absolute path of any
// length: "C:\a" as "\\?\C:\a" and "\\server\share\a" as
// "\\?\UNC\server\share\a". The system does not tidy such paths, so one
// that needs tidying (relative, drive-relative, with forward slashes, empty,
// "." or ".." segments) is returned as it is, as is one already prefixed or
// a device path ("\\.\").
std::u16string LongPath(const std::u16string& path);

}  // namespace kuvano
