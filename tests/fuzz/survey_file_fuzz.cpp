// libFuzzer target: a surveys file, as a damaged disk, a hand edit or another
// program may leave it. Each input is tried as it is and as the body of a
// file with its mark and a right check, so that the fuzzer reaches every
// count and length. Nothing the sanitizers see, and a file that is read is
// exactly the file its surveys are written as.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "folder_size/survey_file.h"

namespace {

uint32_t Crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void CheckReadsBackAsWritten(const std::string& file) {
    const auto records = kuvano::DecodeSurveys(file);
    if (records && kuvano::EncodeSurveys(*records) != file) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    CheckReadsBackAsWritten(input);
    std::string checked = "Kuvano surveys 1\r\n" + input;
    const uint32_t crc = Crc32(checked);
    for (int i = 0; i < 4; ++i) checked += static_cast<char>(crc >> (8 * i));
    CheckReadsBackAsWritten(checked);
    return 0;
}
