#include "core/ini_document.h"

#include <algorithm>

namespace kuvano {
namespace {

// The profile functions treat CR and ^Z (the old end-of-file mark) as blanks too.
bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimRight(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    return TrimRight(TrimLeft(text));
}

// Names and values are C strings to the profile functions: a NUL ends them.
std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// "[name]" up to the last "]" of the line, blanks inside the brackets
// trimmed; text after it is ignored. A line that starts with "[" but has no
// "]" is read as a key line.
std::optional<std::string_view> SectionHeaderName(std::string_view line) {
    const std::string_view text = Trim(line);
    if (!text.starts_with('[')) return std::nullopt;
    const size_t close = text.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return UpToNul(Trim(text.substr(1, close - 1)));
}

struct KeyLine {
    std::string_view name;
    std::optional<std::string_view> rawValue;  // trimmed; quotes and NUL kept
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
    const std::string_view text = Trim(line);
    if (text.empty()) return std::nullopt;
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) return KeyLine{UpToNul(text), std::nullopt};
    return KeyLine{UpToNul(TrimRight(text.substr(0, equals))), TrimLeft(text.substr(equals + 1))};
}

// One pair of matching outer quotes, single or double, is removed.
std::string_view WithoutOuterQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool IsBlank(std::string_view line) {
    return Trim(line).empty();
}

std::string KeyLineText(std::string_view name, std::string_view value) {
    std::string text;
    text.reserve(name.size() + 1 + value.size());
    text.append(name).append("=").append(value);
    return text;
}

}  // namespace

// A line ends at CR LF, at LF, or at a CR on its own, as the profile
// functions read it.
IniDocument IniDocument::Parse(std::string_view fileBytes) {
    IniDocument document;
    DecodedIniText decoded = DecodeIniText(fileBytes);
    document.encoding_ = decoded.encoding;
    const std::string_view text = decoded.text;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            document.lines_.push_back({std::string(text.substr(start)), ""});
            break;
        }
        const size_t endingLength = text.substr(end).starts_with("\r\n") ? 2 : 1;
        document.lines_.push_back(
            {std::string(text.substr(start, end - start)), std::string(text.substr(end, endingLength))});
        start = end + endingLength;
    }
    if (!document.lines_.empty() && !document.lines_.front().lineEnding.empty()) {
        document.newLineEnding_ = document.lines_.front().lineEnding;
    }
    return document;
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
    if (section.empty()) return std::nullopt;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionHeaderName(lines_[i].text);
        if (!name || !EqualsIgnoringCase(*name, section)) continue;
        size_t end = i + 1;
        while (end < lines_.size() && !SectionHeaderName(lines_[end].text)) ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(Range section, std::string_view key) const {
    for (size_t i = section.begin; i < section.end; ++i) {
        const auto line = ParseKeyLine(lines_[i].text);
        if (line && EqualsIgnoringCase(line->name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
    if (key.empty()) return std::nullopt;
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto index = FindKey(*range, key);
    if (!index) return std::nullopt;
    const auto rawValue = ParseKeyLine(lines_[*index].text)->rawValue;
    if (!rawValue) return std::nullopt;
    return std::string(WithoutOuterQuotes(UpToNul(*rawValue)));
}

// New lines take the line ending the file already uses.
void IniDocument::InsertLine(size_t index, std::string text) {
    if (index > 0 && lines_[index - 1].lineEnding.empty()) lines_[index - 1].lineEnding = newLineEnding_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), newLineEnding_});
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string keyLine = KeyLineText(key, value);
    const auto range = FindSection(section);
    if (!range) {
        std::string header;
        header.append("[").append(section).append("]");
        InsertLine(lines_.size(), std::move(header));
        InsertLine(lines_.size(), std::move(keyLine));
        return;
    }
    if (const auto index = FindKey(*range, key)) {
        Line& line = lines_[*index];
        const KeyLine existing = *ParseKeyLine(line.text);
        if (existing.rawValue && UpToNul(*existing.rawValue) == value) return;  // no change needed
        line.text = KeyLineText(existing.name, value);
        return;
    }
    // After the section's last non-blank line, so blank lines that part it
    // from the next section stay where they are.
    size_t insertAt = range->begin;
    for (size_t i = range->begin; i < range->end; ++i) {
        if (!IsBlank(lines_[i].text)) insertAt = i + 1;
    }
    InsertLine(insertAt, std::move(keyLine));
}

std::string IniDocument::Serialize() const {
    std::string text;
    for (const Line& line : lines_) {
        text += line.text;
        text += line.lineEnding;
    }
    return EncodeIniText(encoding_, text);
}

}  // namespace kuvano
