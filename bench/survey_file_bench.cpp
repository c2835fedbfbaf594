// The surveys file at its largest, natively: 200,000 rows into bytes and
// back, each within 100 ms, side by side with a copy of the bytes.
#include <cstdio>

#include "survey_file_cost.h"

int main() {
    using namespace kuvano;
    const std::vector<SurveyRecord> records = bench::LargestSurveys();
    const std::string file = EncodeSurveys(records);
    std::printf("%zu rows, %zu bytes, medians of 9\n", kRememberedRows, file.size());
    std::vector<bench::Contender> contenders = bench::CodecContenders(records, file);
    bench::RunSideBySide(contenders, 9);
    bench::Report(contenders, "copy of the bytes");
    return DecodeSurveys(file) == records ? 0 : 1;
}
