#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/survey_system.h"
#include "core/text_collation.h"
#include "folder_size/rows_in_listing_order.h"
#include "folder_size/survey_comparison.h"
#include "folder_size/survey_memory.h"
#include "folder_size/survey_job.h"
#include "folder_size/survey_row.h"
#include "folder_size/worker_census.h"

namespace kuvano {

inline constexpr int kColumnMegabytes = 0;
inline constexpr int kColumnFolder = 1;
inline constexpr int kColumnEntries = 2;
inline constexpr int kColumnChange = 3;

// "000,000" texts of a row's megabytes (truncated) and entries.
std::u16string MegabyteText(const SurveyRow& row, std::u16string_view thousandsSeparator);
std::u16string EntriesText(const SurveyRow& row, std::u16string_view thousandsSeparator);
// The change since the previous survey: "+1,234", "-56", "0", "新規", "-3 (削除)", or nothing.
std::u16string ChangeText(const SurveyRow& row, std::u16string_view thousandsSeparator);

// Measures each first-level subfolder of a base folder on worker threads,
// skipping hidden and system ones and the Windows directory. Files lying
// directly in the base folder are not counted. Everything runs on one
// thread, the window's, and nothing here ever waits on a directory read:
// workers blocked in one are given up with the rows they counted so far.
class FolderSurvey {
public:
    // The notice comes from the workers: the owner then calls TakeResults on its own thread.
    FolderSurvey(SurveySystem system, const TextCollation& collation, SurveyNotice notice);
    // Gives a running survey up, without waiting for its workers.
    ~FolderSurvey();
    FolderSurvey(const FolderSurvey&) = delete;
    FolderSurvey& operator=(const FolderSurvey&) = delete;

    // From now on each survey is compared with the last complete one of its
    // folder there, and a complete one is kept there.
    void RememberIn(SurveyMemory& memory) { memory_ = &memory; }

    // Stops a running survey first. Returns at once: the folder shown, or the
    // fallback when the shown one turns out not to exist, is surveyed on the
    // workers' threads, and the rows come through TakeResults.
    void Start(const std::u16string& shownFolder, const std::u16string& fallbackFolder);
    // Adds the rows ready in listing order; at the end assigns the levels and
    // sorts by size, largest first. True when rows came, the base folder was
    // settled, or the survey ended.
    bool TakeResults();
    // Ends the survey within a moment, whatever the workers are doing, with
    // the rows of every subfolder finished or in progress.
    void Stop();
    // A whole survey, waited for.
    void Run(const std::u16string& baseFolder);
    bool Surveying() const { return surveying_; }
    // Which survey a notice is about: one from an earlier survey is stale.
    uint64_t Generation() const { return generation_; }
    // The folder surveyed, once the workers have settled it.
    const std::optional<std::u16string>& BaseFolder() const { return baseFolder_; }
    // When the survey compared with ended, once the base folder is settled.
    std::optional<int64_t> PreviousEnd() const { return comparison_.PreviousEnd(); }

    // Sorts by a column in the direction it holds, then turns that direction
    // round: repeated clicks alternate, starting ascending. Rows without a
    // number of change stand after the others either way.
    void SortBy(int column);

    const std::vector<SurveyRow>& Rows() const { return rows_; }
    int64_t TotalBytes() const { return totalBytes_; }

private:
    bool Absorb(SurveyProgress progress);
    void End(bool complete);
    void AssignLevels();
    void Sort(int column, int direction);

    const SurveySystem system_;
    const TextCollation& collation_;
    const SurveyNotice notice_;
    const std::shared_ptr<WorkerCensus> census_ = std::make_shared<WorkerCensus>();
    std::shared_ptr<SurveyJob> job_;
    uint64_t generation_ = 0;
    std::optional<std::u16string> baseFolder_;
    SurveyMemory* memory_ = nullptr;
    SurveyComparison comparison_{collation_};
    RowsInListingOrder arriving_;
    std::vector<SurveyRow> rows_;
    int64_t totalBytes_ = 0;
    std::array<int, 4> sortDir_{1, 1, 1, 1};
    bool surveying_ = false;
};

}  // namespace kuvano
