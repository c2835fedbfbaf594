#include "folder_size/folder_survey.h"

#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdint>
#include <iterator>

#include "core/size_text.h"

namespace kuvano {
namespace {

constexpr int kLevels = 14;
// Long enough for walks that can see the cancel to end with their rows;
// short enough that the window never seems to wait.
constexpr std::chrono::milliseconds kStopGrace{50};

bool HasChangeNumber(const SurveyRow& row) {
    return row.change == RowChange::Compared || row.change == RowChange::Removed;
}

}  // namespace

std::u16string MegabyteText(const SurveyRow& row, std::u16string_view thousandsSeparator) {
    return FormatGroupedSixDigits(Megabytes(row), thousandsSeparator);
}

std::u16string EntriesText(const SurveyRow& row, std::u16string_view thousandsSeparator) {
    return FormatGroupedSixDigits(row.entries, thousandsSeparator);
}

std::u16string ChangeText(const SurveyRow& row, std::u16string_view thousandsSeparator) {
    if (row.change == RowChange::NoPrevious) return u"";
    if (row.change == RowChange::New) return u"新規";
    std::u16string text = (row.megabytesChange > 0 ? u"+" : u"") + FormatGrouped(row.megabytesChange, thousandsSeparator);
    return row.change == RowChange::Removed ? text + u" (削除)" : text;
}

FolderSurvey::FolderSurvey(SurveySystem system, const TextCollation& collation, SurveyNotice notice)
    : system_(std::move(system)), collation_(collation), notice_(std::move(notice)) {}

FolderSurvey::~FolderSurvey() {
    if (!job_) return;
    job_->Cancel();
    job_->Close();
}

void FolderSurvey::Start(const std::u16string& shownFolder, const std::u16string& fallbackFolder) {
    Stop();
    rows_.clear();
    totalBytes_ = 0;
    baseFolder_.reset();
    comparison_.CompareWith(nullptr);
    arriving_.Clear();
    surveying_ = true;
    job_ = std::make_shared<SurveyJob>(system_, census_, notice_, ++generation_);
    job_->Begin(shownFolder, fallbackFolder);
}

bool FolderSurvey::TakeResults() {
    return surveying_ && Absorb(job_->Take());
}

// A row is added only when measured, at the end: the rows may be re-sorted
// in the middle of a survey.
bool FolderSurvey::Absorb(SurveyProgress progress) {
    const bool settled = !baseFolder_ && progress.baseFolder;
    if (settled) {
        baseFolder_ = std::move(progress.baseFolder);
        if (memory_) comparison_.CompareWith(memory_->Previous(*baseFolder_));
    }
    for (MeasuredRow& measured : progress.rows) arriving_.Add(std::move(measured));
    std::vector<SurveyRow> ready = arriving_.TakeReady();
    for (SurveyRow& row : ready) {
        totalBytes_ = SaturatingAdd(totalBytes_, static_cast<uint64_t>(row.bytes));
        comparison_.Mark(row);
        rows_.push_back(std::move(row));
    }
    if (progress.ended) End(progress.complete);
    return settled || progress.ended || !ready.empty();
}

// Only a complete survey knows which subfolders are gone, and only it is
// the next one's measure.
void FolderSurvey::End(bool complete) {
    surveying_ = false;
    if (complete) {
        if (memory_) memory_->Remember(*baseFolder_, rows_);
        std::ranges::move(comparison_.Removed(), std::back_inserter(rows_));
    }
    AssignLevels();
    Sort(kColumnMegabytes, -sortDir_[kColumnMegabytes]);
}

// Workers blocked in a read are left to end on their own, cancelled where
// the system allows.
void FolderSurvey::Stop() {
    if (!surveying_) return;
    job_->Cancel();
    job_->WaitForEnd(kStopGrace);
    Absorb(job_->Close());
}

void FolderSurvey::Run(const std::u16string& baseFolder) {
    Start(baseFolder, baseFolder);
    job_->WaitForEnd(std::chrono::hours(24));
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
    const auto order = [](int64_t a, int64_t b) { return a < b ? -1 : a > b; };
    const auto compare = [&](const SurveyRow& a, const SurveyRow& b) -> int {
        switch (column) {
            case kColumnMegabytes: return order(Megabytes(a), Megabytes(b));
            case kColumnEntries: return order(a.entries, b.entries);
            case kColumnChange: return order(a.megabytesChange, b.megabytesChange);
            default: return collation_.Compare(a.folder, b.folder);
        }
    };
    // Rows without a number hold 0, and so keep their order among themselves.
    std::ranges::stable_sort(rows_, [&](const SurveyRow& a, const SurveyRow& b) {
        if (column == kColumnChange && HasChangeNumber(a) != HasChangeNumber(b)) return HasChangeNumber(a);
        return compare(a, b) * direction < 0;
    });
}

}  // namespace kuvano
