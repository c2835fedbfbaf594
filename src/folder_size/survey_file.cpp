#include "folder_size/survey_file.h"

#include <array>
#include <cstdint>

namespace kuvano {
namespace {

constexpr std::string_view kMark = "Kuvano surveys 1\r\n";
constexpr size_t kCheckSize = 4;

constexpr std::array<uint32_t, 256> CrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

uint32_t Crc32(std::string_view bytes) {
    static constexpr std::array<uint32_t, 256> kTable = CrcTable();
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) crc = kTable[(crc ^ static_cast<uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// Little-endian whatever the machine.
template <typename Number>
void Put(std::string& out, Number value) {
    const auto bits = static_cast<uint64_t>(value);
    for (size_t i = 0; i < sizeof(Number); ++i) out += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void PutText(std::string& out, const std::u16string& text) {
    Put(out, static_cast<uint32_t>(text.size()));
    for (const char16_t unit : text) Put(out, static_cast<uint16_t>(unit));
}

// Reads forward; any read past the end, or a count the bytes left cannot
// hold, fails the whole file.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    template <typename Number>
    std::optional<Number> Get() {
        if (bytes_.size() < sizeof(Number)) return std::nullopt;
        uint64_t bits = 0;
        for (size_t i = 0; i < sizeof(Number); ++i) bits |= uint64_t{static_cast<uint8_t>(bytes_[i])} << (8 * i);
        bytes_.remove_prefix(sizeof(Number));
        return static_cast<Number>(bits);
    }
    std::optional<std::u16string> GetText() {
        const std::optional<uint32_t> length = Get<uint32_t>();
        if (!length || bytes_.size() / 2 < *length) return std::nullopt;
        std::u16string text(*length, u'\0');
        for (char16_t& unit : text) unit = static_cast<char16_t>(*Get<uint16_t>());
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
    std::string out(kMark);
    Put(out, static_cast<uint32_t>(records.size()));
    for (const SurveyRecord& record : records) {
        PutText(out, record.baseFolder);
        Put(out, record.endedAt);
        Put(out, static_cast<uint32_t>(record.rows.size()));
        for (const SurveyRow& row : record.rows) {
            PutText(out, row.folder);
            Put(out, row.bytes);
            Put(out, row.entries);
        }
    }
    Put(out, Crc32(out));
    return out;
}

std::optional<std::vector<SurveyRecord>> DecodeSurveys(std::string_view bytes) {
    if (!bytes.starts_with(kMark) || bytes.size() < kMark.size() + kCheckSize) return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - kCheckSize);
    if (Reader(bytes.substr(body.size())).Get<uint32_t>() != Crc32(body)) return std::nullopt;
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
