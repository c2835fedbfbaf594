#include "folder_size/folder_survey.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <thread>

#include "core/size_text.h"
#include "folder_size/survey_pool_size.h"

namespace kuvano {
namespace {

constexpr int kLevels = 14;

int64_t Megabytes(const SurveyRow& row) {
    return row.bytes / kBytesPerMiB;
}

}  // namespace

std::u16string MegabyteText(const SurveyRow& row, std::u16string_view thousandsSeparator) {
    return FormatGroupedSixDigits(Megabytes(row), thousandsSeparator);
}

std::u16string EntriesText(const SurveyRow& row, std::u16string_view thousandsSeparator) {
    return FormatGroupedSixDigits(row.entries, thousandsSeparator);
}

FolderSurvey::FolderSurvey(const DirectoryLister& lister, std::u16string windowsDirectory,
                           const TextCollation& collation, const VolumeSeekPenalty& volumes,
                           std::function<void()> resultsReady)
    : collation_(collation),
      volumes_(volumes),
      workers_(lister, std::move(windowsDirectory), collation, std::move(resultsReady)) {}

void FolderSurvey::Start(const std::u16string& baseFolder) {
    Stop();
    rows_.clear();
    totalBytes_ = 0;
    arriving_.Clear();
    surveying_ = true;
    workers_.Start(baseFolder, SurveyPoolSize(std::thread::hardware_concurrency(), volumes_.SeekPenalty(baseFolder)));
}

// A row is added only when measured, at the end: the rows may be re-sorted
// in the middle of a survey.
bool FolderSurvey::TakeResults() {
    if (!surveying_) return false;
    SurveyProgress progress = workers_.Take();
    for (MeasuredRow& measured : progress.rows) arriving_.Add(std::move(measured));
    const std::vector<SurveyRow> ready = arriving_.TakeReady();
    for (const SurveyRow& row : ready) {
        totalBytes_ = SaturatingAdd(totalBytes_, static_cast<uint64_t>(row.bytes));
        rows_.push_back(row);
    }
    if (progress.ended) {
        surveying_ = false;
        AssignLevels();
        Sort(kColumnMegabytes, -sortDir_[kColumnMegabytes]);
    }
    return progress.ended || !ready.empty();
}

void FolderSurvey::Stop() {
    Cancel();
    workers_.Join();
    TakeResults();
}

void FolderSurvey::Run(const std::u16string& baseFolder) {
    Start(baseFolder);
    workers_.Join();
    TakeResults();
}

void FolderSurvey::AssignLevels() {
    for (SurveyRow& row : rows_) {
        if (totalBytes_ == 0) {
            row.level = 0;
            continue;
        }
        // Halves round to even, as the default rounding mode does.
        const long double share = static_cast<long double>(row.bytes) / static_cast<long double>(totalBytes_);
        row.level = static_cast<int>(std::clamp(std::nearbyint(share * kLevels), 0.0L, kLevels - 1.0L));
    }
}

void FolderSurvey::SortBy(int column) {
    Sort(column, sortDir_.at(static_cast<size_t>(column)));
    sortDir_[static_cast<size_t>(column)] = -sortDir_[static_cast<size_t>(column)];
}

// The number columns sort by the numbers shown, which orders them rightly
// beyond six digits too; the folder column as the user's locale orders text.
void FolderSurvey::Sort(int column, int direction) {
    const auto compare = [&](const SurveyRow& a, const SurveyRow& b) -> int {
        switch (column) {
            case kColumnMegabytes: return Megabytes(a) < Megabytes(b) ? -1 : Megabytes(a) > Megabytes(b);
            case kColumnEntries: return a.entries < b.entries ? -1 : a.entries > b.entries;
            default: return collation_.Compare(a.folder, b.folder);
        }
    };
    std::ranges::stable_sort(rows_,
                             [&](const SurveyRow& a, const SurveyRow& b) { return compare(a, b) * direction < 0; });
}

}  // namespace kuvano
