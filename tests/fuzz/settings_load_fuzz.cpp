// libFuzzer target: a file's bytes go through LoadSettings as the program
// loads them at start. Every loaded value must keep to the value rules, and
// saving the settings then loading them again must give the same settings,
// after which a second save must find nothing to write.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "core/ini_document.h"
#include "core/profile_values.h"
#include "core/settings_file.h"
#include "fuzz_check.h"
#include "support/fake_file_store.h"

namespace kuvano {
namespace {

using fuzz::Check;

const std::u16string kPath = u"C:\\Kuvano\\Kuvano.ini";

auto Persisted(const Settings& s) {
    return std::tie(s.drivenam, s.tani, s.syurui, s.barhyoj, s.tenm1, s.tenm2, s.tenm3, s.tenm4, s.tenm5, s.tenm6,
                    s.aki, s.hidari, s.iti, s.enGrf, s.GaugeWidth);
}

template <typename Field>
struct KeyOf {
    const char* section;
    const char* key;
    Field Settings::*field;
};

// The file's key for each number and switch, written out here rather than
// taken from the program, so that a field read from the wrong key shows.
constexpr std::array<KeyOf<int32_t>, 11> kIntegerKeys{{
    {"setei", "tani", &Settings::tani},
    {"setei", "syurui", &Settings::syurui},
    {"setei", "barhyoj", &Settings::barhyoj},
    {"keikoku", "tenm1", &Settings::tenm1},
    {"keikoku", "tenm2", &Settings::tenm2},
    {"keikoku", "tenm3", &Settings::tenm3},
    {"keikoku", "tenm4", &Settings::tenm4},
    {"keikoku", "tenm5", &Settings::tenm5},
    {"keikoku", "tenm6", &Settings::tenm6},
    {"color", "aki", &Settings::aki},
    {"saidbar", "iti", &Settings::iti},
}};
constexpr std::array<KeyOf<bool>, 2> kSwitchKeys{{
    {"taskbar", "hidari", &Settings::hidari},
    {"saidbar", "enGrf", &Settings::enGrf},
}};

// A key's number, if its text (at most 2047 characters of it) is one.
std::optional<int32_t> NumberIn(const IniDocument& document, const char* section, const char* key) {
    const auto text = document.Value(section, key);
    return text ? ParseProfileInteger(text->substr(0, kMaxProfileStringLength)) : std::nullopt;
}

void CheckValueRules(const IniDocument& document, const Settings& loaded) {
    const Settings defaults;
    for (const auto& [section, key, field] : kIntegerKeys) {
        Check(loaded.*field == NumberIn(document, section, key).value_or(defaults.*field), key);
    }
    for (const auto& [section, key, field] : kSwitchKeys) {
        const auto number = NumberIn(document, section, key);
        Check(loaded.*field == (number ? *number != 0 : defaults.*field), key);
    }
    const auto drive = document.Value("setei", "drivenam");
    Check(loaded.drivenam.size() <= kMaxProfileStringLength, "drivenam keeps at most 2047 characters");
    Check(drive ? drive->starts_with(loaded.drivenam) : loaded.drivenam == Settings{}.drivenam,
          "drivenam is the key's text or the default");
    Check(loaded.GaugeWidth == GaugeWidthFor(loaded.enGrf), "the gauge width follows enGrf");
    Check(loaded.HomeDrive.empty(), "the home drive is never read from the file");
}

// The system's profile reader trims blanks, drops one layer of quotes and
// cuts long values; the program writes a text as it is, as the system's
// writer does. A drive name the reader would change therefore comes back
// changed, as it would on Windows, and is left out of the round trip.
bool ReadsBackAsWritten(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || (c >= '\n' && c <= '\r') || c == '\x1A'; };
    if (text.empty()) return true;
    const bool quoted =
        text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
    return !quoted && !blank(text.front()) && !blank(text.back()) && text.size() < kMaxProfileStringLength;
}

void CheckSaveThenLoad(testing::FakeFileStore& store, const Settings& loaded, bool utf16) {
    Check(!SaveSettings(loaded, store, kPath).has_value(), "the save succeeds");
    const std::string saved = store.files.at(kPath);
    Check(saved.starts_with("\xFF\xFE") == utf16, "the saved file keeps its encoding");
    const Settings reloaded = LoadSettings(store, kPath);
    if (!ReadsBackAsWritten(loaded.drivenam)) return;
    Check(Persisted(reloaded) == Persisted(loaded), "saving then loading gives the same settings");

    const int replaces = store.replaceCount;
    Check(!SaveSettings(reloaded, store, kPath).has_value(), "the second save succeeds");
    Check(store.replaceCount == replaces && store.files.at(kPath) == saved, "a second save writes nothing");
}

}  // namespace
}  // namespace kuvano

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    kuvano::testing::FakeFileStore store;
    store.files[kuvano::kPath] = file;
    const kuvano::Settings loaded = kuvano::LoadSettings(store, kuvano::kPath);
    kuvano::CheckValueRules(kuvano::IniDocument::Parse(file), loaded);
    kuvano::CheckSaveThenLoad(store, loaded, file.starts_with("\xFF\xFE"));
    return 0;
}
