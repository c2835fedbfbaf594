#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini_text_encoding.h"

namespace kuvano {

// A settings file in the Windows profile format, read and updated the way the
// system's profile functions do it, but in memory, so that a save can replace
// the whole file at once. Every line that an update does not touch is kept
// byte for byte: unknown sections, comments, blank lines, line endings.
class IniDocument {
public:
    IniDocument() = default;
    static IniDocument Parse(std::string_view fileBytes);

    // The text the profile-string function yields for the key, or nothing when
    // the section or key is missing or the key's line has no "=".
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Updates the key in place, or appends it at the end of its section, or
    // appends the section at the end of the file.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

private:
    struct Line {
        std::string text;        // without its line ending
        std::string lineEnding;  // "\r\n", "\n", "\r", or empty at the end of the file
    };
    struct Range {
        size_t begin;
        size_t end;
    };

    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(Range section, std::string_view key) const;
    void InsertLine(size_t index, std::string text);

    IniEncoding encoding_ = IniEncoding::Bytes;
    std::string newLineEnding_ = "\r\n";  // the file's own, for lines we add
    std::vector<Line> lines_;
};

}  // namespace kuvano
