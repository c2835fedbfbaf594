#include "folder_size/survey_memory.h"

#include <algorithm>

#include "folder_size/survey_file.h"
#include "platform/failure_report.h"

namespace kuvano {

SurveyMemory::SurveyMemory(const FileStore& files, std::u16string path, const TextCollation& collation,
                           const WallClock& clock)
    : files_(files), path_(std::move(path)), collation_(collation), clock_(clock) {}

const SurveyRecord* SurveyMemory::Previous(const std::u16string& baseFolder) {
    if (!Load()) return nullptr;
    const auto found = std::ranges::find_if(
        *records_, [&](const SurveyRecord& record) { return collation_.EqualIgnoringCase(record.baseFolder, baseFolder); });
    return found == records_->end() ? nullptr : &*found;
}

void SurveyMemory::Remember(const std::u16string& baseFolder, std::vector<SurveyRow> rows) {
    if (rows.size() > kRememberedRows) return;
    if (!Load()) {
        ReportFailure(L"folder size panel: the surveys file cannot be read, so this survey is not kept");
        return;
    }
    std::erase_if(*records_, [&](const SurveyRecord& record) {
        return collation_.EqualIgnoringCase(record.baseFolder, baseFolder);
    });
    records_->push_back({.baseFolder = baseFolder, .endedAt = clock_.Now(), .rows = std::move(rows)});
    const auto rowCount = [&] {
        size_t count = 0;
        for (const SurveyRecord& record : *records_) count += record.rows.size();
        return count;
    };
    while (records_->size() > kRememberedFolders || rowCount() > kRememberedRows) records_->erase(records_->begin());
    Write();
}

// A missing file holds no surveys; so does a damaged one, which the next
// write replaces.
bool SurveyMemory::Load() {
    if (records_) return true;
    FileStore::ReadResult file = files_.ReadWhole(path_);
    if (file.status == FileStore::ReadStatus::Failed) {
        ReportFailure(L"folder size panel: the surveys file cannot be read");
        return false;
    }
    records_ = file.status == FileStore::ReadStatus::Read ? DecodeSurveys(file.bytes) : std::vector<SurveyRecord>{};
    if (!records_) {
        ReportFailure(L"folder size panel: the surveys file is damaged and starts again");
        records_.emplace();
    }
    return true;
}

// Where the folder refuses the file, only the comparison is lost.
void SurveyMemory::Write() const {
    if (!files_.ReplaceWhole(path_, EncodeSurveys(*records_)))
        ReportFailure(L"folder size panel: the surveys file cannot be written");
}

}  // namespace kuvano
