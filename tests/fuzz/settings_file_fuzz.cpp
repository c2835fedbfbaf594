// libFuzzer target: a settings file's bytes, as a hand edit, a damaged disk
// or another program may leave them. Its rules need no second reader of the
// format: nothing the sanitizers see; updating one key leaves every other
// line byte for byte; loading what was saved gives the same settings.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini_document.h"
#include "core/profile_values.h"
#include "core/settings_file.h"
#include "support/fake_file_store.h"

namespace kuvano {
namespace {

const std::u16string kPath = u"C:\\Kuvano\\Kuvano.ini";

// Ends the run as a crash, so that libFuzzer keeps the input that broke the rule.
void Check(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

struct Key {
    std::string_view section;
    std::string_view key;
};
constexpr std::array<Key, 5> kKeys{{{"setei", "drivenam"}, {"keikoku", "tenm3"}, {"SAIDBAR", "enGrf"},
                                    {"mine", "new"}, {"", "nameless"}}};
constexpr std::array<std::string_view, 4> kValues{"0", "C", "12632256", "two words"};

// The decoded text's lines, each with its ending: CR LF, LF or CR.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find_first_of("\r\n");
        end = end == std::string_view::npos ? text.size() : end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return lines;
}

bool Ends(std::string_view line) {
    return line.ends_with('\n') || line.ends_with('\r');
}

// Before and after differ in one line changed, or in at most two lines added
// (a section and its key), the file's last line gaining a line ending if
// lines come after it.
void CheckOneKeyUpdate(const std::string& file, uint8_t choice) {
    const Key& chosen = kKeys[choice % kKeys.size()];
    const std::string_view value = kValues[choice / kKeys.size() % kValues.size()];
    IniDocument document = IniDocument::Parse(file);
    // A UTF-16 file's odd last byte is no text: only that may go.
    const bool utf16 = file.starts_with("\xFF\xFE");
    const std::string_view text = std::string_view(file).substr(0, utf16 ? file.size() / 2 * 2 : file.size());
    Check(document.Serialize() == text, "a file read and written unchanged keeps every byte");
    document.SetValue(chosen.section, chosen.key, value);
    const std::string updated = document.Serialize();
    Check(updated.starts_with("\xFF\xFE") == utf16, "the file keeps its encoding");
    if (!chosen.section.empty()) {
        Check(IniDocument::Parse(updated).Value(chosen.section, chosen.key) == value, "the key reads the new value");
    }

    const DecodedIniText beforeText = DecodeIniText(file), afterText = DecodeIniText(updated);
    std::vector<std::string_view> before = Lines(beforeText.text);
    const std::vector<std::string_view> after = Lines(afterText.text);
    size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    size_t changedBefore = before.size() - head - tail, changedAfter = after.size() - head - tail;
    const bool lastGainsEnding = changedBefore == 1 && tail == 0 && !Ends(before.back()) &&
                                 after[head].starts_with(before.back()) && Ends(after[head]) &&
                                 after[head].size() - before.back().size() <= 2;
    if (lastGainsEnding) --changedBefore, --changedAfter;
    Check(changedBefore == 0 ? changedAfter <= 2 : changedBefore == 1 && changedAfter == 1,
          "updating one key leaves every other line byte for byte");
}

// The profile reader trims blanks, drops one layer of quotes and cuts long
// values, and the program writes a text as it is, as the system's writer
// does: a drive name the reader would change comes back changed, as it would
// on Windows, and is left out of the round trip.
bool ReadsBackAsWritten(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || (c >= '\n' && c <= '\r') || c == '\x1A'; };
    if (text.empty()) return true;
    const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
    return !quoted && !blank(text.front()) && !blank(text.back()) && text.size() < kMaxProfileStringLength;
}

void CheckSaveThenLoad(const std::string& file) {
    testing::FakeFileStore store;
    store.files[kPath] = file;
    const Settings loaded = LoadSettings(store, kPath);
    Check(!SaveSettings(loaded, store, kPath).has_value(), "the save succeeds");
    const std::string saved = store.files.at(kPath);
    Settings reloaded = LoadSettings(store, kPath);
    if (!ReadsBackAsWritten(loaded.trayDrive)) reloaded.trayDrive = loaded.trayDrive;
    Check(reloaded == loaded, "loading what was saved gives the same settings");
    const int replaces = store.replaceCount;
    Check(!SaveSettings(loaded, store, kPath).has_value() && store.replaceCount == replaces &&
              store.files.at(kPath) == saved,
          "saving the same settings again writes nothing");
}

}  // namespace
}  // namespace kuvano

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file(reinterpret_cast<const char*>(data), size);
    kuvano::CheckOneKeyUpdate(file, size > 0 ? data[size - 1] : 0);
    kuvano::CheckSaveThenLoad(file);
    return 0;
}
