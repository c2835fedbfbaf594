#pragma once

#include <optional>
#include <string>

#include "core/file_store.h"
#include "core/ini_document.h"
#include "core/settings.h"

namespace kuvano {

// A file beside the program named like it: the program's path with its
// extension replaced by this one (or this one added). ".ini" names the settings file.
std::u16string FileBesideProgram(std::u16string_view programPath, std::u16string_view extension);

void ReadSettings(const IniDocument& document, Settings& settings);
void WriteSettings(const Settings& settings, IniDocument& document);

// A missing or unreadable file gives the defaults.
Settings LoadSettings(const FileStore& store, const std::u16string& path);

struct SettingsWriteError {
    std::u16string path;
    std::u16string Message() const;  // "<path> に書き込めません"
};

// Writes every persisted field and keeps everything else in the file. On an
// error the file is left as it was.
[[nodiscard]] std::optional<SettingsWriteError> SaveSettings(const Settings& settings, const FileStore& store,
                                                             const std::u16string& path);

}  // namespace kuvano
