#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/directory_lister.h"
#include "core/text_collation.h"
#include "core/volume_seek_penalty.h"
#include "folder_size/rows_in_listing_order.h"
#include "folder_size/survey_row.h"
#include "folder_size/survey_workers.h"

namespace kuvano {

inline constexpr int kColumnMegabytes = 0;
inline constexpr int kColumnFolder = 1;
inline constexpr int kColumnEntries = 2;

// "000,000" texts of a row's megabytes (truncated) and entries.
std::u16string MegabyteText(const SurveyRow& row, std::u16string_view thousandsSeparator);
std::u16string EntriesText(const SurveyRow& row, std::u16string_view thousandsSeparator);

// Measures each first-level subfolder of a base folder on worker threads,
// skipping hidden and system ones and the Windows directory. Files lying
// directly in the base folder are not counted. Everything but Cancel runs on
// one thread, the window's: the rows change only there.
class FolderSurvey {
public:
    // resultsReady is called from the workers: the owner then calls TakeResults on its own thread.
    FolderSurvey(const DirectoryLister& lister, std::u16string windowsDirectory, const TextCollation& collation,
                 const VolumeSeekPenalty& volumes, std::function<void()> resultsReady);

    // Stops a running survey first. Returns at once; rows come through TakeResults.
    void Start(const std::u16string& baseFolder);
    // Adds the rows ready in listing order; at the end assigns the levels and
    // sorts by size, largest first. True when rows came or the survey ended.
    bool TakeResults();
    // From any thread: the workers end at their next entry.
    void Cancel() { workers_.Cancel(); }
    // Ends the workers and ends the survey with the rows of every subfolder
    // finished or in progress.
    void Stop();
    // A whole survey, waited for.
    void Run(const std::u16string& baseFolder);
    bool Surveying() const { return surveying_; }

    // Sorts by a column in the direction it holds, then turns that direction
    // round: repeated clicks alternate, starting ascending.
    void SortBy(int column);

    const std::vector<SurveyRow>& Rows() const { return rows_; }
    int64_t TotalBytes() const { return totalBytes_; }

private:
    void AssignLevels();
    void Sort(int column, int direction);

    const TextCollation& collation_;
    const VolumeSeekPenalty& volumes_;
    SurveyWorkers workers_;
    RowsInListingOrder arriving_;
    std::vector<SurveyRow> rows_;
    int64_t totalBytes_ = 0;
    std::array<int, 3> sortDir_{1, 1, 1};
    bool surveying_ = false;
};

}  // namespace kuvano
