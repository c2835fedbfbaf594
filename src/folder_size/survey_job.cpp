#include "folder_size/survey_job.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "folder_size/file_search.h"
#include "folder_size/survey_pool_size.h"
#include "platform/failure_report.h"

namespace kuvano {

SurveyJob::SurveyJob(SurveySystem system, std::shared_ptr<WorkerCensus> census, SurveyNotice notice,
                     uint64_t generation)
    : system_(std::move(system)), census_(std::move(census)), notice_(std::move(notice)), generation_(generation) {}

void SurveyJob::Begin(const std::u16string& shownFolder, const std::u16string& fallbackFolder) {
    {
        const std::scoped_lock lock(mutex_);
        running_ = 1;
    }
    try {
        system_.threads->Start(
            [self = shared_from_this(), shownFolder, fallbackFolder] { self->Lead(shownFolder, fallbackFolder); });
    } catch (...) {
        Failed(L"folder survey: the lead thread");
        const std::scoped_lock lock(mutex_);
        running_ = 0;
    }
}

// Under the lock, so that a subfolder is either taken before the cancel or
// not at all; the reads are ended outside it, as a worker may wait for it.
void SurveyJob::Cancel() {
    std::vector<std::function<void()>> interrupters;
    {
        const std::scoped_lock lock(mutex_);
        cancel_ = true;
        interrupters = interrupters_;
    }
    census_->Wake();
    for (const auto& interrupt : interrupters) interrupt();
}

bool SurveyJob::WaitForEnd(std::chrono::milliseconds most) {
    std::unique_lock lock(mutex_);
    return ended_.wait_for(lock, most, [this] { return running_ == 0; });
}

SurveyProgress SurveyJob::Take() {
    const std::scoped_lock lock(mutex_);
    noticeGiven_ = false;
    return {.baseFolder = baseFolder_,
            .rows = std::exchange(finished_, {}),
            .ended = running_ == 0,
            .complete = running_ == 0 && !failed_};
}

SurveyProgress SurveyJob::Close() {
    const std::scoped_lock lock(mutex_);
    closed_ = true;
    SurveyProgress progress{.baseFolder = baseFolder_, .rows = std::exchange(finished_, {}), .ended = true};
    for (const Walker& walker : walkers_) {
        const size_t index = walker.index;
        if (index == Walker::kIdle) continue;
        progress.rows.push_back({.index = index,
                                 .row = {.folder = subfolders_[index].path,
                                         .bytes = walker.bytes.load(std::memory_order_relaxed),
                                         .entries = walker.entries.load(std::memory_order_relaxed)}});
    }
    return progress;
}

// The lead is a worker of the pool too. A failure ends its part of the
// survey with the rows delivered so far.
void SurveyJob::Lead(const std::u16string& shownFolder, const std::u16string& fallbackFolder) noexcept {
    const WorkerCensus::Entry counted(*census_);
    Walker* walker = nullptr;
    try {
        walker = &Enter();
        Survey(shownFolder, fallbackFolder, *walker);
    } catch (...) {
        Failed(L"folder survey");
    }
    Leave(walker);
}

void SurveyJob::Help() noexcept {
    const WorkerCensus::Entry counted(*census_);
    Walker* walker = nullptr;
    try {
        walker = &Enter();
        Measure(*walker);
    } catch (...) {
        Failed(L"folder survey helper");
    }
    Leave(walker);
}

// A thread's reads can be ended from the window's thread from now on.
SurveyJob::Walker& SurveyJob::Enter() {
    std::function<void()> interrupter = system_.blockedReads->InterrupterForThisThread();
    const std::scoped_lock lock(mutex_);
    if (interrupter) interrupters_.push_back(std::move(interrupter));
    return walkers_.emplace_back();
}

// The slow checks happen here, never on the window's thread: whether the
// folder exists and what its volume is can each take long on a dead share.
void SurveyJob::Survey(const std::u16string& shownFolder, const std::u16string& fallbackFolder, Walker& walker) {
    const std::u16string& baseFolder = system_.folderExists(shownFolder) ? shownFolder : fallbackFolder;
    {
        const std::scoped_lock lock(mutex_);
        baseFolder_ = baseFolder;
    }
    const unsigned poolSize = PoolSize(baseFolder);
    if (!census_->WaitForRoom(poolSize, cancel_)) return;
    ListSubfolders(baseFolder);
    const size_t workers = std::min<size_t>(poolSize, subfolders_.size());
    if (workers > 1) StartHelpers(static_cast<unsigned>(workers - 1));
    Measure(walker);
}

unsigned SurveyJob::PoolSize(const std::u16string& baseFolder) const {
    const VolumeKind kind = system_.volumes->KindOf(baseFolder);
    const unsigned size =
        system_.poolSize ? system_.poolSize(kind) : SurveyPoolSize(std::thread::hardware_concurrency(), kind);
    return std::max(size, 1u);
}

void SurveyJob::ListSubfolders(const std::u16string& baseFolder) {
    FileSearch listing(*system_.lister);
    listing.required = kAttributeDirectory;
    listing.excluded = kAttributeHidden | kAttributeSystem;
    listing.CancelWhen(cancel_);
    std::vector<Subfolder> subfolders;
    listing.onEntry = [&](const DirectoryEntry& found, const std::u16string& folder) {
        std::u16string path = folder + u"\\" + found.name;
        if (system_.windowsDirectory->Is(path)) return;
        subfolders.push_back({std::move(path), (found.attributes & kAttributeReparsePoint) != 0});
    };
    listing.SetBaseFolder(baseFolder);
    listing.Run();
    const std::scoped_lock lock(mutex_);
    subfolders_ = std::move(subfolders);
}

// A helper that cannot start leaves the survey to fewer workers.
void SurveyJob::StartHelpers(unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
        {
            const std::scoped_lock lock(mutex_);
            if (cancel_) return;
            ++running_;
        }
        try {
            system_.threads->Start([self = shared_from_this()] { self->Help(); });
        } catch (...) {
            ReportCaughtFailure(L"folder survey: a helper thread");
            const std::scoped_lock lock(mutex_);
            --running_;
            return;
        }
    }
}

// A link gets its row but is not entered, as everywhere in the walk. A
// walk that fails still gives its subfolder the row of what it counted.
void SurveyJob::Measure(Walker& walker) {
    FileSearch walk(*system_.lister);
    walk.wholeTree = true;
    walk.CancelWhen(cancel_);
    int64_t bytes = 0;
    int64_t entries = 0;
    walk.onEntry = [&](const DirectoryEntry& found, const std::u16string&) {
        bytes = SaturatingAdd(bytes, found.size);
        walker.bytes.store(bytes, std::memory_order_relaxed);
        walker.entries.store(++entries, std::memory_order_relaxed);
    };
    while (const std::optional<size_t> index = TakeNext(walker)) {
        bytes = entries = 0;
        const Subfolder& subfolder = subfolders_[*index];
        if (!subfolder.link) {
            try {
                walk.SetBaseFolder(subfolder.path);
                walk.Run();
            } catch (...) {
                Failed(L"folder survey: a subfolder's walk");
            }
        }
        Deliver(walker);
    }
}

std::optional<size_t> SurveyJob::TakeNext(Walker& walker) {
    const std::scoped_lock lock(mutex_);
    if (cancel_ || closed_ || next_ == subfolders_.size()) return std::nullopt;
    walker.bytes.store(0, std::memory_order_relaxed);
    walker.entries.store(0, std::memory_order_relaxed);
    walker.index = next_;
    return next_++;
}

void SurveyJob::Deliver(Walker& walker) {
    const std::scoped_lock lock(mutex_);
    DeliverLocked(walker);
    NoticeLocked();
}

// A closed job keeps nothing: its rows went to the window when it closed.
void SurveyJob::DeliverLocked(Walker& walker) {
    const size_t index = walker.index;
    if (index == Walker::kIdle) return;
    if (!closed_) {
        finished_.push_back({.index = index,
                             .row = {.folder = subfolders_[index].path,
                                     .bytes = walker.bytes.load(std::memory_order_relaxed),
                                     .entries = walker.entries.load(std::memory_order_relaxed)}});
    }
    walker.index = Walker::kIdle;
}

// The last worker out ends the job. A subfolder whose walk was cut short
// by a failure still gets its row here.
void SurveyJob::Leave(Walker* walker) noexcept {
    const std::scoped_lock lock(mutex_);
    try {
        if (walker) DeliverLocked(*walker);
    } catch (...) {
        ReportCaughtFailure(L"folder survey: a row");
        failed_ = true;
    }
    if (--running_ == 0) ended_.notify_all();
    NoticeLocked();
}

// One notice at a time waits for the window, which takes every row there
// is when it looks. A notice that could not be given is tried again with
// the next row; the window also looks on a timer.
void SurveyJob::NoticeLocked() {
    if (closed_ || noticeGiven_ || !notice_) return;
    try {
        noticeGiven_ = notice_(generation_);
    } catch (...) {
        ReportCaughtFailure(L"folder survey: a notice");
    }
}

// A survey with a failure is shown, never remembered as complete.
void SurveyJob::Failed(const wchar_t* what) noexcept {
    ReportCaughtFailure(what);
    const std::scoped_lock lock(mutex_);
    failed_ = true;
}

}  // namespace kuvano
