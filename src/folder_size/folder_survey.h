#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/text_collation.h"
#include "folder_size/find_file.h"

namespace kuvano {

// One first-level subfolder: everything below it, at any depth.
struct SurveyRow {
    std::u16string folder;
    int64_t bytes = 0;
    int64_t entries = 0;  // files and folders
    int level = 0;        // share of the survey's total in 14 steps, 0..13
};

inline constexpr int kColumnMegabytes = 0;
inline constexpr int kColumnFolder = 1;
inline constexpr int kColumnEntries = 2;

// "000,000" texts of a row's megabytes (truncated) and entries.
std::u16string MegabyteText(const SurveyRow& row, std::u16string_view thousandsSeparator);
std::u16string EntriesText(const SurveyRow& row, std::u16string_view thousandsSeparator);

// Measures each first-level subfolder of a base folder, skipping hidden and
// system ones and the Windows directory. Files lying directly in the base
// folder are not counted.
class FolderSurvey {
public:
    FolderSurvey(const DirectoryLister& lister, const LocalTime& localTime, std::u16string windowsDirectory,
                 const TextCollation& collation);

    // Called before every entry either search meets.
    void SetProcessMessages(const std::function<void()>& processMessages);
    // Called after each row is added, in the middle of the survey.
    std::function<void()> OnRowAdded;

    // Refused while a survey runs. Ends with the rows sorted by size, largest
    // first, unless stopped, then with the rows measured so far.
    void Run(const std::u16string& baseFolder);
    void Stop();
    bool Surveying() const { return surveying_; }

    // Sorts by a column in the direction it holds, then turns that direction
    // round: repeated clicks alternate, starting ascending.
    void SortBy(int column);

    const std::vector<SurveyRow>& Rows() const { return rows_; }
    int64_t TotalBytes() const { return totalBytes_; }

    TFindFile FindFile1;  // everything below one subfolder
    TFindFile FindFile2;  // the base folder's plain subfolders

private:
    void FindFile2Find(const TFindData& findData, const std::u16string& currentDir);
    void AssignLevels();
    void Sort(int column, int direction);

    const TextCollation& collation_;
    std::u16string windowsDirectory_;
    std::vector<SurveyRow> rows_;
    SurveyRow measuring_;
    int64_t totalBytes_ = 0;
    std::array<int, 3> sortDir_{1, 1, 1};
    bool surveying_ = false;
};

}  // namespace kuvano
