#include "platform/module_path_win32.h"

#include <windows.h>

#include <vector>

#include "platform/wide_text_win32.h"

namespace kuvano {

std::u16string ProgramPath() {
    // Long paths do not fit MAX_PATH; grow until the whole path fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return FromWide({buffer.data(), length});
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace kuvano
