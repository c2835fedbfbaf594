#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "folder_size/survey_file.h"
#include "side_by_side.h"

namespace kuvano::bench {

// The most the file holds: 32 base folders of 6,250 rows each, 200,000 in
// all, with paths as long as a user's documents give them.
inline std::vector<SurveyRecord> LargestSurveys() {
    std::vector<SurveyRecord> records(kRememberedFolders);
    for (size_t i = 0; i < records.size(); ++i) {
        SurveyRecord& record = records[i];
        record.baseFolder = u"C:\\Users\\利用者\\Documents\\Projects\\" + std::u16string(1, char16_t(u'A' + i));
        record.endedAt = 1'764'600'300 + static_cast<int64_t>(i);
        for (size_t row = 0; row < kRememberedRows / kRememberedFolders; ++row) {
            std::u16string name = u"\\folder-000000";
            for (size_t n = row, at = name.size() - 1; n > 0; n /= 10, --at) name[at] = char16_t(u'0' + n % 10);
            record.rows.push_back({.folder = record.baseFolder + name,
                                   .bytes = static_cast<int64_t>(row) * 7'654'321,
                                   .entries = static_cast<int64_t>(row)});
        }
    }
    return records;
}

// Turning the surveys into the file's bytes and back, side by side with a
// plain copy of those bytes, the floor of any format.
inline std::vector<Contender> CodecContenders(const std::vector<SurveyRecord>& records, const std::string& file) {
    return {{"encode", [&] { (void)EncodeSurveys(records); }, {}},
            {"decode", [&] { (void)DecodeSurveys(file); }, {}},
            {"copy of the bytes", [&] { std::string copy = file; (void)copy; }, {}}};
}

inline void Report(const std::vector<Contender>& contenders, const std::string& floor) {
    double floorSeconds = 0;
    for (const Contender& c : contenders) if (c.name == floor) floorSeconds = Median(c.seconds);
    for (const Contender& c : contenders) {
        std::printf("%-26s %8.1f ms  %6.1f x the %s\n", c.name.c_str(), Median(c.seconds) * 1000,
                    Median(c.seconds) / floorSeconds, floor.c_str());
    }
}

}  // namespace kuvano::bench
