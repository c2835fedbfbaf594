#include "core/settings_file.h"

#include <array>
#include <type_traits>
#include <variant>

#include "core/profile_values.h"

namespace kuvano {
namespace {

using FieldPointer = std::variant<std::string Settings::*, int32_t Settings::*, bool Settings::*>;

struct PersistedField {
    std::string_view section;
    std::string_view key;
    FieldPointer field;
};

// File order: a save into an empty file writes exactly these lines, in this order.
const std::array<PersistedField, 14> kPersistedFields{{
    {"setei", "drivenam", &Settings::drivenam},
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
    {"taskbar", "hidari", &Settings::hidari},
    {"saidbar", "iti", &Settings::iti},
    {"saidbar", "enGrf", &Settings::enGrf},
}};

}  // namespace

std::u16string SettingsFileName(std::u16string_view programPath) {
    const size_t lastSeparator = programPath.find_last_of(u"\\:");
    const size_t nameStart = lastSeparator == std::u16string_view::npos ? 0 : lastSeparator + 1;
    const size_t dot = programPath.rfind(u'.');
    const bool hasExtension = dot != std::u16string_view::npos && dot >= nameStart;
    return std::u16string(programPath.substr(0, hasExtension ? dot : programPath.size())) + u".ini";
}

void ReadSettings(const IniDocument& document, Settings& settings) {
    const Settings defaults;
    for (const PersistedField& persisted : kPersistedFields) {
        const auto text = document.Value(persisted.section, persisted.key);
        std::visit(
            [&](auto member) {
                auto& field = settings.*member;
                const auto& fallback = defaults.*member;
                using Field = std::remove_cvref_t<decltype(field)>;
                if constexpr (std::is_same_v<Field, std::string>) {
                    field = ProfileStringOrDefault(text, fallback);
                } else if constexpr (std::is_same_v<Field, bool>) {
                    field = ProfileBooleanOrDefault(text, fallback);
                } else {
                    field = ProfileIntegerOrDefault(text, fallback);
                }
            },
            persisted.field);
    }
    settings.GaugeWidth = GaugeWidthFor(settings.enGrf);
}

void WriteSettings(const Settings& settings, IniDocument& document) {
    for (const PersistedField& persisted : kPersistedFields) {
        std::visit(
            [&](auto member) {
                const auto& field = settings.*member;
                using Field = std::remove_cvref_t<decltype(field)>;
                if constexpr (std::is_same_v<Field, std::string>) {
                    document.SetValue(persisted.section, persisted.key, field);
                } else if constexpr (std::is_same_v<Field, bool>) {
                    document.SetValue(persisted.section, persisted.key, FormatProfileBoolean(field));
                } else {
                    document.SetValue(persisted.section, persisted.key, FormatProfileInteger(field));
                }
            },
            persisted.field);
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
