#include "folder_size/survey_file.h"

#include <cstdint>

namespace kuvano {
namespace {

constexpr std::string_view kMark = "Kuvano surveys 1\r\n";
constexpr size_t kCheckSize = 8;

template <typename Number>
Number LittleEndian(const char* at) {
    uint64_t bits = 0;
    for (size_t i = 0; i < sizeof(Number); ++i) bits |= uint64_t{static_cast<uint8_t>(at[i])} << (8 * i);
    return static_cast<Number>(bits);
}

// Over 8-byte words, then the last bytes. Each step is a bijection of the
// running value, so that any one changed word or byte changes the result.
uint64_t Check(std::string_view bytes) {
    constexpr uint64_t kPrime = 0x100000001B3;
    uint64_t check = 0xCBF29CE484222325;
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) check = (check ^ LittleEndian<uint64_t>(bytes.data() + i)) * kPrime;
    for (; i < bytes.size(); ++i) check = (check ^ static_cast<uint8_t>(bytes[i])) * kPrime;
    return check;
}

size_t TextSize(const std::u16string& text) {
    return 4 + 2 * text.size();
}

size_t FileSize(const std::vector<SurveyRecord>& records) {
    size_t size = kMark.size() + 4 + kCheckSize;
    for (const SurveyRecord& record : records) {
        size += TextSize(record.baseFolder) + 8 + 4;
        for (const SurveyRow& row : record.rows) size += TextSize(row.folder) + 8 + 8;
    }
    return size;
}

// Writes little-endian, whatever the machine, into room made beforehand.
class Writer {
public:
    explicit Writer(char* at) : at_(at) {}

    template <typename Number>
    void Put(Number value) {
        const auto bits = static_cast<uint64_t>(value);
        for (size_t i = 0; i < sizeof(Number); ++i) *at_++ = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    void PutText(const std::u16string& text) {
        Put(static_cast<uint32_t>(text.size()));
        for (const char16_t unit : text) Put(static_cast<uint16_t>(unit));
    }

private:
    char* at_;
};

// Reads forward; any read past the end, or a count the bytes left cannot
// hold, fails the whole file.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    template <typename Number>
    std::optional<Number> Get() {
        if (bytes_.size() < sizeof(Number)) return std::nullopt;
        const auto value = LittleEndian<Number>(bytes_.data());
        bytes_.remove_prefix(sizeof(Number));
        return value;
    }
    std::optional<std::u16string> GetText() {
        const std::optional<uint32_t> length = Get<uint32_t>();
        if (!length || bytes_.size() / 2 < *length) return std::nullopt;
        std::u16string text(*length, u'\0');
        for (size_t i = 0; i < text.size(); ++i) text[i] = LittleEndian<char16_t>(bytes_.data() + 2 * i);
        bytes_.remove_prefix(2 * text.size());
        return text;
    }
    // Whether that many items of at least that size each can still follow.
    bool Holds(uint64_t count, size_t eachAtLeast) const { return count <= bytes_.size() / eachAtLeast; }
    bool AtEnd() const { return bytes_.empty(); }

private:
    std::string_view bytes_;
};

constexpr size_t kSmallestRow = 4 + 8 + 8;

std::optional<SurveyRow> GetRow(Reader& in) {
    std::optional<std::u16string> folder = in.GetText();
    const std::optional<int64_t> bytes = in.Get<int64_t>();
    const std::optional<int64_t> entries = in.Get<int64_t>();
    if (!folder || !bytes || !entries || *bytes < 0 || *entries < 0) return std::nullopt;
    return SurveyRow{.folder = std::move(*folder), .bytes = *bytes, .entries = *entries};
}

std::optional<SurveyRecord> GetRecord(Reader& in, size_t& rowsLeft) {
    SurveyRecord record;
    std::optional<std::u16string> base = in.GetText();
    const std::optional<int64_t> endedAt = in.Get<int64_t>();
    const std::optional<uint32_t> rows = in.Get<uint32_t>();
    if (!base || !endedAt || !rows || *rows > rowsLeft || !in.Holds(*rows, kSmallestRow)) return std::nullopt;
    record.baseFolder = std::move(*base);
    record.endedAt = *endedAt;
    rowsLeft -= *rows;
    record.rows.reserve(*rows);
    for (uint32_t i = 0; i < *rows; ++i) {
        std::optional<SurveyRow> row = GetRow(in);
        if (!row) return std::nullopt;
        record.rows.push_back(std::move(*row));
    }
    return record;
}

}  // namespace

std::string EncodeSurveys(const std::vector<SurveyRecord>& records) {
    std::string file(FileSize(records), '\0');
    file.replace(0, kMark.size(), kMark);
    Writer out(file.data() + kMark.size());
    out.Put(static_cast<uint32_t>(records.size()));
    for (const SurveyRecord& record : records) {
        out.PutText(record.baseFolder);
        out.Put(record.endedAt);
        out.Put(static_cast<uint32_t>(record.rows.size()));
        for (const SurveyRow& row : record.rows) {
            out.PutText(row.folder);
            out.Put(row.bytes);
            out.Put(row.entries);
        }
    }
    Writer(file.data() + file.size() - kCheckSize).Put(Check(std::string_view(file).substr(0, file.size() - kCheckSize)));
    return file;
}

std::optional<std::vector<SurveyRecord>> DecodeSurveys(std::string_view bytes) {
    if (!bytes.starts_with(kMark) || bytes.size() < kMark.size() + kCheckSize) return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - kCheckSize);
    if (LittleEndian<uint64_t>(bytes.data() + body.size()) != Check(body)) return std::nullopt;
    Reader in(body.substr(kMark.size()));
    const std::optional<uint32_t> count = in.Get<uint32_t>();
    if (!count || *count > kRememberedFolders) return std::nullopt;
    std::vector<SurveyRecord> records;
    size_t rowsLeft = kRememberedRows;
    for (uint32_t i = 0; i < *count; ++i) {
        std::optional<SurveyRecord> record = GetRecord(in, rowsLeft);
        if (!record) return std::nullopt;
        records.push_back(std::move(*record));
    }
    if (!in.AtEnd()) return std::nullopt;
    return records;
}

}  // namespace kuvano
