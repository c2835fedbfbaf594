#include "folder_size/folder_survey.h"

#include <algorithm>
#include <cmath>
#include <chrono>
#include <cstdint>

#include "core/size_text.h"

namespace kuvano {
namespace {

constexpr int kLevels = 14;
// Long enough for walks that can see the cancel to end with their rows;
// short enough that the window never seems to wait.
constexpr std::chrono::milliseconds kStopGrace{50};

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
    if (settled) baseFolder_ = std::move(progress.baseFolder);
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
    return settled || progress.ended || !ready.empty();
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
