#include "folder_size/survey_workers.h"

#include <utility>

#include "platform/failure_report.h"

namespace kuvano {

SurveyWorkers::SurveyWorkers(const DirectoryLister& lister, std::u16string windowsDirectory,
                             const TextCollation& collation, std::function<void()> resultsReady)
    : lister_(lister),
      windowsDirectory_(std::move(windowsDirectory)),
      collation_(collation),
      resultsReady_(std::move(resultsReady)) {}

SurveyWorkers::~SurveyWorkers() {
    Cancel();
    Join();
}

void SurveyWorkers::Start(const std::u16string& baseFolder, unsigned poolSize) {
    Cancel();
    Join();
    {
        const std::scoped_lock lock(mutex_);
        cancel_ = false;
        next_ = 0;
        finished_.clear();
        ended_ = false;
    }
    lead_ = std::thread([this, baseFolder, poolSize] { Survey(baseFolder, poolSize); });
}

// Under the lock, so that a subfolder is either taken before the cancel or not at all.
void SurveyWorkers::Cancel() {
    const std::scoped_lock lock(mutex_);
    cancel_ = true;
}

void SurveyWorkers::Join() {
    if (lead_.joinable()) lead_.join();
}

SurveyProgress SurveyWorkers::Take() {
    const std::scoped_lock lock(mutex_);
    return {.rows = std::exchange(finished_, {}), .ended = ended_};
}

// The lead thread is a worker of the pool too; its helpers end before it does.
// A failure ends the survey with the rows delivered so far.
void SurveyWorkers::Survey(const std::u16string& baseFolder, unsigned poolSize) noexcept {
    try {
        const std::vector<Subfolder> subfolders = ListSubfolders(baseFolder);
        std::vector<std::jthread> helpers;
        for (unsigned i = 1; i < poolSize && i < subfolders.size(); ++i) {
            helpers.emplace_back([this, &subfolders] { Help(subfolders); });
        }
        Measure(subfolders);
    } catch (...) {
        ReportCaughtFailure(L"folder survey");
    }
    End();
}

void SurveyWorkers::Help(const std::vector<Subfolder>& subfolders) noexcept {
    try {
        Measure(subfolders);
    } catch (...) {
        ReportCaughtFailure(L"folder survey helper");
    }
}

std::vector<SurveyWorkers::Subfolder> SurveyWorkers::ListSubfolders(const std::u16string& baseFolder) {
    FileSearch listing(lister_, windowsDirectory_);
    listing.tests = {SearchTest::Hidden, SearchTest::System, SearchTest::Directory};
    listing.wanted.directory = true;
    listing.CancelWhen(cancel_);
    std::vector<Subfolder> subfolders;
    listing.onEntry = [&](const DirectoryEntry& found, const std::u16string& folder, bool&) {
        std::u16string path = folder + u"\\" + found.name;
        if (collation_.EqualIgnoringCase(path, windowsDirectory_)) return;
        subfolders.push_back({std::move(path), (found.attributes & kAttributeReparsePoint) != 0});
    };
    listing.SetBaseFolder(baseFolder);
    listing.Run();
    return subfolders;
}

// A link gets its row but is not entered, as everywhere in the walk.
void SurveyWorkers::Measure(const std::vector<Subfolder>& subfolders) {
    FileSearch walk(lister_, windowsDirectory_);
    walk.wholeTree = true;
    walk.CancelWhen(cancel_);
    SurveyRow row;
    walk.onEntry = [&row](const DirectoryEntry& found, const std::u16string&, bool&) {
        row.bytes = SaturatingAdd(row.bytes, found.size);
        ++row.entries;
    };
    while (const std::optional<size_t> index = TakeNext(subfolders.size())) {
        const Subfolder& subfolder = subfolders[*index];
        row = {.folder = subfolder.path};
        if (!subfolder.link) {
            walk.SetBaseFolder(subfolder.path);
            walk.Run();
        }
        Deliver({.index = *index, .row = std::move(row)});
    }
}

std::optional<size_t> SurveyWorkers::TakeNext(size_t count) {
    const std::scoped_lock lock(mutex_);
    if (cancel_ || next_ == count) return std::nullopt;
    return next_++;
}

// The window is told once per batch: it takes every row waiting when it looks.
void SurveyWorkers::Deliver(MeasuredRow measured) {
    bool firstWaiting = false;
    {
        const std::scoped_lock lock(mutex_);
        firstWaiting = finished_.empty();
        finished_.push_back(std::move(measured));
    }
    if (firstWaiting && resultsReady_) resultsReady_();
}

void SurveyWorkers::End() {
    {
        const std::scoped_lock lock(mutex_);
        ended_ = true;
    }
    if (resultsReady_) resultsReady_();
}

}  // namespace kuvano
