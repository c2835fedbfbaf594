#include "folder_size/folder_survey.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/size_text.h"
#include "folder_size/running_scope.h"

namespace kuvano {
namespace {

constexpr int kLevels = 14;

// Sums hold at the largest count instead of wrapping round to negative.
int64_t SaturatingAdd(int64_t sum, uint64_t size) {
    const auto room = static_cast<uint64_t>(INT64_MAX - sum);
    return size >= room ? INT64_MAX : sum + static_cast<int64_t>(size);
}

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

FolderSurvey::FolderSurvey(const DirectoryLister& lister, const LocalTime& localTime, std::u16string windowsDirectory,
                           const TextCollation& collation)
    : FindFile1(lister, localTime, windowsDirectory),
      FindFile2(lister, localTime, windowsDirectory),
      collation_(collation),
      windowsDirectory_(std::move(windowsDirectory)) {
    FindFile1.SearchSubDir = true;
    FindFile1.OnFind = [this](TFindFile&, const TFindData& findData, const std::u16string&, bool&) {
        measuring_.bytes = SaturatingAdd(measuring_.bytes, findData.size);
        ++measuring_.entries;
    };
    FindFile2.Conditions = ConditionBit(fcHidden) | ConditionBit(fcSystem) | ConditionBit(fcDirectory);
    FindFile2.AttrDirectory = true;
    FindFile2.OnFind = [this](TFindFile&, const TFindData& findData, const std::u16string& currentDir, bool&) {
        FindFile2Find(findData, currentDir);
    };
}

void FolderSurvey::SetProcessMessages(const std::function<void()>& processMessages) {
    FindFile1.ProcessMessages = processMessages;
    FindFile2.ProcessMessages = processMessages;
}

void FolderSurvey::Run(const std::u16string& baseFolder) {
    if (surveying_) return;
    const RunningScope surveying(surveying_);
    rows_.clear();
    totalBytes_ = 0;
    FindFile2.SetBaseDir(baseFolder);
    FindFile2.Run();
    AssignLevels();
    Sort(kColumnMegabytes, -sortDir_[kColumnMegabytes]);
}

void FolderSurvey::Stop() {
    FindFile1.Cancelled = true;
    FindFile2.Cancelled = true;
}

// A stop in the middle of a subfolder still gives it a row with what was
// counted so far. The row is added only when measured: the rows may be
// re-sorted while it is. A link gets its row but is not entered, as
// everywhere in the walk.
void FolderSurvey::FindFile2Find(const TFindData& findData, const std::u16string& currentDir) {
    measuring_ = {.folder = currentDir + u"\\" + findData.name};
    if (collation_.EqualIgnoringCase(measuring_.folder, windowsDirectory_)) return;
    if (!(findData.attributes & kAttributeReparsePoint)) {
        FindFile1.SetBaseDir(measuring_.folder);
        FindFile1.Run();
    }
    totalBytes_ = SaturatingAdd(totalBytes_, static_cast<uint64_t>(measuring_.bytes));
    rows_.push_back(std::move(measuring_));
    if (OnRowAdded) OnRowAdded();
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
