// libFuzzer target: any file must load into settings, take every update and
// serialise without a crash, and an untouched document must give back the
// file byte for byte (but for the odd last byte of a UTF-16 file, which is
// no character and is dropped).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/ini_document.h"
#include "core/settings_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using kuvano::fuzz::Check;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const kuvano::IniDocument untouched = kuvano::IniDocument::Parse(file);
    const bool utf16 = file.starts_with("\xFF\xFE");
    const std::string_view text = utf16 && size % 2 == 1 ? file.substr(0, size - 1) : file;
    Check(untouched.Serialize() == text, "an untouched document gives the file back");

    kuvano::Settings settings;
    kuvano::ReadSettings(untouched, settings);
    kuvano::IniDocument updated = untouched;
    kuvano::WriteSettings(settings, updated);
    const std::string saved = updated.Serialize();

    // What was saved reads back as the same settings.
    kuvano::Settings reloaded;
    kuvano::ReadSettings(kuvano::IniDocument::Parse(saved), reloaded);
    Check(reloaded.tani == settings.tani && reloaded.iti == settings.iti && reloaded.enGrf == settings.enGrf &&
              reloaded.aki == settings.aki,
          "saved settings read back the same");
    return 0;
}
