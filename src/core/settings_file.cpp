#include "core/settings_file.h"

#include <array>
#include <type_traits>
#include <variant>

#include "core/profile_values.h"

namespace kuvano {
namespace {

// How the file holds a field: as text, as a whole number or as a switch.
struct TextField {
    std::string Settings::*member;
};
struct NumberField {
    int32_t (*get)(const Settings&);
    void (*set)(Settings&, int32_t);
};
struct SwitchField {
    bool (*get)(const Settings&);
    void (*set)(Settings&, bool);
};

// A number field, or an enum kept as its number.
template <auto Member>
constexpr NumberField Number() {
    return {[](const Settings& s) { return static_cast<int32_t>(s.*Member); },
            [](Settings& s, int32_t value) {
                using Field = std::remove_cvref_t<decltype(s.*Member)>;
                s.*Member = static_cast<Field>(value);
            }};
}

template <size_t Place>
constexpr NumberField WarningDigit() {
    return {[](const Settings& s) { return s.warningDigits[Place]; },
            [](Settings& s, int32_t value) { s.warningDigits[Place] = value; }};
}

constexpr SwitchField TaskbarLeft() {
    return {[](const Settings& s) { return s.taskbarLeft; }, [](Settings& s, bool value) { s.taskbarLeft = value; }};
}

constexpr SwitchField Pies() {
    return {[](const Settings& s) { return s.gaugeStyle == GaugeStyle::Pies; },
            [](Settings& s, bool value) { s.gaugeStyle = value ? GaugeStyle::Pies : GaugeStyle::Bars; }};
}

constexpr SwitchField NotifyLowSpace() {
    return {[](const Settings& s) { return s.notifyLowSpace; },
            [](Settings& s, bool value) { s.notifyLowSpace = value; }};
}

// When a save writes a key: a key added since the first version of the file
// is written only once it holds something else than its default, or is in
// the file already, so that a first run's file stays as it always was.
enum class Written : uint8_t { Always, OnceChanged };

struct PersistedField {
    std::string_view section;
    std::string_view key;
    std::variant<TextField, NumberField, SwitchField> field;
    Written written = Written::Always;
};

// File order: a save into an empty file writes exactly these lines, in this order.
const std::array<PersistedField, 15> kPersistedFields{{
    {"setei", "drivenam", TextField{&Settings::trayDrive}},
    {"setei", "tani", Number<&Settings::unit>()},
    {"setei", "syurui", Number<&Settings::trayPicture>()},
    {"setei", "barhyoj", Number<&Settings::sidebarAtStart>()},
    {"keikoku", "tenm1", WarningDigit<0>()},
    {"keikoku", "tenm2", WarningDigit<1>()},
    {"keikoku", "tenm3", WarningDigit<2>()},
    {"keikoku", "tenm4", WarningDigit<3>()},
    {"keikoku", "tenm5", WarningDigit<4>()},
    {"keikoku", "tenm6", WarningDigit<5>()},
    {"color", "aki", Number<&Settings::sidebarColour>()},
    {"taskbar", "hidari", TaskbarLeft()},
    {"saidbar", "iti", Number<&Settings::sidebarEdge>()},
    {"saidbar", "enGrf", Pies()},
    {"keikoku", "tuuti", NotifyLowSpace(), Written::OnceChanged},
}};

template <typename... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
template <typename... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

}  // namespace

std::u16string FileBesideProgram(std::u16string_view programPath, std::u16string_view extension) {
    const size_t lastSeparator = programPath.find_last_of(u"\\:");
    const size_t nameStart = lastSeparator == std::u16string_view::npos ? 0 : lastSeparator + 1;
    const size_t dot = programPath.rfind(u'.');
    const bool hasExtension = dot != std::u16string_view::npos && dot >= nameStart;
    return std::u16string(programPath.substr(0, hasExtension ? dot : programPath.size())) + std::u16string(extension);
}

void ReadSettings(const IniDocument& document, Settings& settings) {
    const Settings defaults;
    for (const auto& [section, key, field, written] : kPersistedFields) {
        const std::optional<std::string> text = document.Value(section, key);
        std::visit(
            Overloaded{
                [&](const TextField& f) { settings.*f.member = ProfileStringOrDefault(text, defaults.*f.member); },
                [&](const NumberField& f) { f.set(settings, ProfileIntegerOrDefault(text, f.get(defaults))); },
                [&](const SwitchField& f) { f.set(settings, ProfileBooleanOrDefault(text, f.get(defaults))); },
            },
            field);
    }
}

void WriteSettings(const Settings& settings, IniDocument& document) {
    const auto text = [](const Settings& from, const auto& field) {
        return std::visit(Overloaded{
                              [&](const TextField& f) { return from.*f.member; },
                              [&](const NumberField& f) { return FormatProfileInteger(f.get(from)); },
                              [&](const SwitchField& f) { return FormatProfileBoolean(f.get(from)); },
                          },
                          field);
    };
    for (const auto& [section, key, field, written] : kPersistedFields) {
        const std::string value = text(settings, field);
        const bool unchanged = value == text(Settings{}, field) && !document.Value(section, key);
        if (written == Written::OnceChanged && unchanged) continue;
        document.SetValue(section, key, value);
    }
}

Settings LoadSettings(const FileStore& store, const std::u16string& path) {
    Settings settings;
    const FileStore::ReadResult file = store.ReadWhole(path);
    if (file.status == FileStore::ReadStatus::Read) ReadSettings(IniDocument::Parse(file.bytes), settings);
    return settings;
}

std::u16string SettingsWriteError::Message() const {
    return path + u" に書き込めません";
}

std::optional<SettingsWriteError> SaveSettings(const Settings& settings, const FileStore& store,
                                               const std::u16string& path) {
    const FileStore::ReadResult file = store.ReadWhole(path);
    // Writing over a file that could not be read would lose what it holds.
    if (file.status == FileStore::ReadStatus::Failed) return SettingsWriteError{path};

    IniDocument document = file.status == FileStore::ReadStatus::Read ? IniDocument::Parse(file.bytes) : IniDocument{};
    WriteSettings(settings, document);
    const std::string bytes = document.Serialize();
    if (file.status == FileStore::ReadStatus::Read && bytes == file.bytes) return std::nullopt;  // nothing changed
    if (!store.ReplaceWhole(path, bytes)) return SettingsWriteError{path};
    return std::nullopt;
}

}  // namespace kuvano
