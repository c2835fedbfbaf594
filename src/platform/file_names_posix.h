#pragma once

#include <string>
#include <string_view>

namespace kuvano {

// How POSIX names and paths look to the search engine, which thinks in
// UTF-16 names joined by backslashes.
//  - Names are UTF-8 on disk. A byte that does not belong to valid UTF-8 is
//    read as U+DC80..U+DCFF (a lone low surrogate, which UTF-8 cannot hold)
//    and written back as that byte, so every name survives the round trip.
//  - A backslash inside a name is read as U+F05C, the private-use character
//    that stands for it where Windows programs see POSIX names; a name that
//    really holds U+F05C has its bytes read as above.
//  - In a path, a backslash is a separator and is written as "/".
void WindowsNameFromPosix(std::string_view bytes, std::u16string& name);
std::string PosixPathFromWindows(std::u16string_view path);

}  // namespace kuvano
