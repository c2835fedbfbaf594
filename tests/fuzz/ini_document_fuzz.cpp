// libFuzzer target: any file parses, and an untouched document gives the
// file back byte for byte (but for the odd last byte of a UTF-16 file, which
// is no character and is dropped), as the profile functions leave every line
// they do not update.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/ini_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const bool oddUtf16 = file.starts_with("\xFF\xFE") && size % 2 == 1;
    if (kuvano::IniDocument::Parse(file).Serialize() != file.substr(0, size - oddUtf16)) std::abort();
    return 0;
}
