// libFuzzer target: a surveys file, as a damaged disk, a hand edit or another
// program may leave it. Each input is the body of a file with its mark and a
// right check, so that the fuzzer reaches every count and length past the
// check (a wrong check is the unit test's). Nothing the sanitizers see, and a
// file that is read is exactly the file its surveys are written as.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "folder_size/survey_file.h"

namespace {

// The file's check: little-endian 8-byte words, then the last bytes.
uint64_t Check(const std::string& bytes) {
    uint64_t check = 0xCBF29CE484222325;
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word = 0;
        for (size_t b = 0; b < 8; ++b) word |= uint64_t{static_cast<uint8_t>(bytes[i + b])} << (8 * b);
        check = (check ^ word) * 0x100000001B3;
    }
    for (; i < bytes.size(); ++i) check = (check ^ static_cast<uint8_t>(bytes[i])) * 0x100000001B3;
    return check;
}

void CheckReadsBackAsWritten(const std::string& file) {
    const auto records = kuvano::DecodeSurveys(file);
    if (records && kuvano::EncodeSurveys(*records) != file) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string checked = "Kuvano surveys 1\r\n" + std::string(reinterpret_cast<const char*>(data), size);
    const uint64_t check = Check(checked);
    for (int i = 0; i < 8; ++i) checked += static_cast<char>(check >> (8 * i));
    CheckReadsBackAsWritten(checked);
    return 0;
}
