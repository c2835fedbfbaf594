#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/directory_lister.h"
#include "core/text_collation.h"
#include "folder_size/file_search.h"
#include "folder_size/survey_row.h"

namespace kuvano {

// What the workers finished since the last look, and whether all have ended.
struct SurveyProgress {
    std::vector<MeasuredRow> rows;
    bool ended = false;
};

// The survey's threads. A lead thread lists the base folder's plain
// subfolders (no hidden or system ones, not the Windows directory), then a
// pool walks them, each worker taking the next one not yet taken in listing
// order. With the window they share only the finished rows and the cancel
// flag, both behind one lock.
class SurveyWorkers {
public:
    // resultsReady is called from the workers when rows wait where none did,
    // and when the last worker ends.
    SurveyWorkers(const DirectoryLister& lister, std::u16string windowsDirectory, const TextCollation& collation,
                  std::function<void()> resultsReady);
    ~SurveyWorkers();
    SurveyWorkers(const SurveyWorkers&) = delete;
    SurveyWorkers& operator=(const SurveyWorkers&) = delete;

    // Ends and joins the workers of an earlier survey first.
    void Start(const std::u16string& baseFolder, unsigned poolSize);
    // From any thread: each walk ends at its next entry, with a row of what it
    // counted, and no further subfolder is taken.
    void Cancel();
    // Waits until every worker has ended.
    void Join();
    SurveyProgress Take();

private:
    struct Subfolder {
        std::u16string path;
        bool link = false;
    };

    // The lead thread's entry: no exception leaves it.
    void Survey(const std::u16string& baseFolder, unsigned poolSize) noexcept;
    std::vector<Subfolder> ListSubfolders(const std::u16string& baseFolder);
    void Measure(const std::vector<Subfolder>& subfolders);
    // A helper thread's entry: no exception leaves it.
    void Help(const std::vector<Subfolder>& subfolders) noexcept;
    std::optional<size_t> TakeNext(size_t count);
    void Deliver(MeasuredRow measured);
    void End();

    const DirectoryLister& lister_;
    const std::u16string windowsDirectory_;
    const TextCollation& collation_;
    const std::function<void()> resultsReady_;
    std::atomic<bool> cancel_{false};
    std::mutex mutex_;
    size_t next_ = 0;                    // guarded by mutex_
    std::vector<MeasuredRow> finished_;  // guarded by mutex_
    bool ended_ = false;                 // guarded by mutex_
    std::thread lead_;
};

}  // namespace kuvano
