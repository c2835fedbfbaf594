#include "folder_size/survey_workers.h"

#include <utility>

namespace kuvano {

SurveyWorkers::SurveyWorkers(const DirectoryLister& lister, const LocalTime& localTime, std::u16string windowsDirectory,
                             const TextCollation& collation, std::function<void()> resultsReady)
    : lister_(lister),
      localTime_(localTime),
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
void SurveyWorkers::Survey(const std::u16string& baseFolder, unsigned poolSize) {
    const std::vector<Subfolder> subfolders = ListSubfolders(baseFolder);
    {
        std::vector<std::jthread> helpers;
        for (unsigned i = 1; i < poolSize && i < subfolders.size(); ++i) {
            helpers.emplace_back([this, &subfolders] { Measure(subfolders); });
        }
        Measure(subfolders);
    }
    End();
}

std::vector<SurveyWorkers::Subfolder> SurveyWorkers::ListSubfolders(const std::u16string& baseFolder) {
    TFindFile listing(lister_, localTime_, windowsDirectory_);
    listing.Conditions = ConditionBit(fcHidden) | ConditionBit(fcSystem) | ConditionBit(fcDirectory);
    listing.AttrDirectory = true;
    listing.CancelWhen(cancel_);
    std::vector<Subfolder> subfolders;
    listing.OnFind = [&](TFindFile&, const TFindData& found, const std::u16string& currentDir, bool&) {
        std::u16string path = currentDir + u"\\" + found.name;
        if (collation_.EqualIgnoringCase(path, windowsDirectory_)) return;
        subfolders.push_back({std::move(path), (found.attributes & kAttributeReparsePoint) != 0});
    };
    listing.SetBaseDir(baseFolder);
    listing.Run();
    return subfolders;
}

// A link gets its row but is not entered, as everywhere in the walk.
void SurveyWorkers::Measure(const std::vector<Subfolder>& subfolders) {
    TFindFile walk(lister_, localTime_, windowsDirectory_);
    walk.SearchSubDir = true;
    walk.CancelWhen(cancel_);
    SurveyRow row;
    walk.OnFind = [&row](TFindFile&, const TFindData& found, const std::u16string&, bool&) {
        row.bytes = SaturatingAdd(row.bytes, found.size);
        ++row.entries;
    };
    while (const std::optional<size_t> index = TakeNext(subfolders.size())) {
        const Subfolder& subfolder = subfolders[*index];
        row = {.folder = subfolder.path};
        if (!subfolder.link) {
            walk.SetBaseDir(subfolder.path);
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
