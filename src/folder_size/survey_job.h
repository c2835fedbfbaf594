#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/survey_system.h"
#include "folder_size/survey_row.h"
#include "folder_size/worker_census.h"

namespace kuvano {

// What the workers finished since the last look, and whether all have ended.
struct SurveyProgress {
    std::optional<std::u16string> baseFolder;  // once the lead thread has settled it
    std::vector<MeasuredRow> rows;
    bool ended = false;
    bool complete = false;  // ended with nothing failed; a closed job never is
};

// Tells the window that rows wait, with the survey's generation. False when
// the notice could not be given: it is given again with the next row.
using SurveyNotice = std::function<bool(uint64_t generation)>;

// One survey's threads and what they share. A lead thread settles the base
// folder, lists its plain subfolders (no hidden or system ones, not the
// Windows directory), then a pool walks them, each worker taking the next
// one not yet taken in listing order. The threads own the job: one blocked
// in a read of a dead share outlives its survey's window, harmlessly, since
// a closed job takes no rows and gives no notice.
class SurveyJob : public std::enable_shared_from_this<SurveyJob> {
public:
    SurveyJob(SurveySystem system, std::shared_ptr<WorkerCensus> census, SurveyNotice notice, uint64_t generation);

    // Starts the lead thread: the folder shown, or the fallback when it does
    // not exist. When the lead cannot start, the job ends at once.
    void Begin(const std::u16string& shownFolder, const std::u16string& fallbackFolder);
    // From any thread: each walk ends before its next folder or entry, and
    // reads that the system can end are ended.
    void Cancel();
    // True when every worker ended within that time.
    bool WaitForEnd(std::chrono::milliseconds most);
    SurveyProgress Take();
    // Gives the job up: the rows finished, those in progress with what they
    // counted so far, all as ended. Nothing reaches the window after.
    SurveyProgress Close();

private:
    struct Subfolder {
        std::u16string path;
        bool link = false;
    };
    // The subfolder a worker walks, and what it counted so far.
    struct Walker {
        static constexpr size_t kIdle = SIZE_MAX;
        std::atomic<size_t> index = kIdle;
        std::atomic<int64_t> bytes = 0;
        std::atomic<int64_t> entries = 0;
    };

    // The threads' entries: no exception leaves them.
    void Lead(const std::u16string& shownFolder, const std::u16string& fallbackFolder) noexcept;
    void Help() noexcept;
    Walker& Enter();
    void Survey(const std::u16string& shownFolder, const std::u16string& fallbackFolder, Walker& walker);
    unsigned PoolSize(const std::u16string& baseFolder) const;
    void ListSubfolders(const std::u16string& baseFolder);
    void StartHelpers(unsigned count);
    void Measure(Walker& walker);
    std::optional<size_t> TakeNext(Walker& walker);
    void Deliver(Walker& walker);
    void DeliverLocked(Walker& walker);
    void Leave(Walker* walker) noexcept;
    void NoticeLocked();
    void Failed(const wchar_t* what) noexcept;

    const SurveySystem system_;
    const std::shared_ptr<WorkerCensus> census_;
    const SurveyNotice notice_;
    const uint64_t generation_;
    std::atomic<bool> cancel_ = false;
    std::mutex mutex_;
    std::condition_variable ended_;
    std::vector<Subfolder> subfolders_;         // set by the lead before any helper starts; guarded by mutex_ for Close
    std::optional<std::u16string> baseFolder_;  // guarded by mutex_
    std::deque<Walker> walkers_;                // guarded by mutex_; the counts are the walkers' own
    std::vector<std::function<void()>> interrupters_;  // guarded by mutex_
    std::vector<MeasuredRow> finished_;                // guarded by mutex_
    size_t next_ = 0;                                  // guarded by mutex_
    unsigned running_ = 0;                             // guarded by mutex_
    bool noticeGiven_ = false;                         // guarded by mutex_: a notice waits for the window
    bool closed_ = false;                              // guarded by mutex_
    bool failed_ = false;                              // guarded by mutex_
};

}  // namespace kuvano
