#include "folder_size/find_file.h"

#include "folder_size/running_scope.h"

namespace kuvano {
namespace {

bool IsDotEntry(const std::u16string& name) {
    return name == u"." || name == u"..";
}

bool Within(uint64_t value, uint64_t from, uint64_t to) {
    return from <= value && value <= to;
}

struct AttributeCondition {
    TFindFileCondition condition;
    bool TFindFile::*wanted;
    uint32_t bit;
};

constexpr std::array<AttributeCondition, 5> kAttributeConditions{{
    {fcArchive, &TFindFile::AttrArchive, kAttributeArchive},
    {fcDirectory, &TFindFile::AttrDirectory, kAttributeDirectory},
    {fcHidden, &TFindFile::AttrHidden, kAttributeHidden},
    {fcReadOnly, &TFindFile::AttrReadOnly, kAttributeReadOnly},
    {fcSystem, &TFindFile::AttrSystem, kAttributeSystem},
}};

}  // namespace

TFindFile::TFindFile(const DirectoryLister& lister, const LocalTime& localTime, std::u16string windowsDirectory)
    : localTime_(localTime), fileLoop_(lister), dirLoop_(lister), baseDir_(std::move(windowsDirectory)) {
    fileLoop_.OnFind = [this](TFindFirstLoop&, const TFindData& findData, bool& cancel) {
        FileLoopFind(findData, cancel);
    };
    dirLoop_.OnFind = [this](TFindFirstLoop&, const TFindData& findData, bool& cancel) {
        DirLoopFind(findData, cancel);
    };
    SetTodayAsDefaultBounds();
}

// Every "from" bound today at 00:00, every "to" bound tomorrow at 00:00.
void TFindFile::SetTodayAsDefaultBounds() {
    constexpr uint64_t kDay = 86'400ull * 10'000'000;
    const uint64_t now = localTime_.NowLocal();
    const uint32_t today = DosDateTimeFromFileTime(now).value_or(kEarliestDosDateTime) & 0xFFFF0000;
    const uint32_t tomorrow = DosDateTimeFromFileTime(now + kDay).value_or(kLatestDosDateTime) & 0xFFFF0000;
    for (int index = 0; index < 6; index += 2) {
        SetTimeProperty(index, static_cast<int32_t>(today));
        SetTimeProperty(index + 1, static_cast<int32_t>(tomorrow));
    }
}

int32_t TFindFile::TimeProperty(int index) const {
    const uint64_t local = localTime_.UtcToLocal(TimeBounds.at(static_cast<size_t>(index)));
    return static_cast<int32_t>(DosDateTimeFromFileTime(local).value_or(0));
}

void TFindFile::SetTimeProperty(int index, int32_t dosDateTime) {
    const bool isFrom = index % 2 == 0;
    const uint32_t value = dosDateTime != 0 ? static_cast<uint32_t>(dosDateTime)
                           : isFrom         ? kEarliestDosDateTime
                                            : kLatestDosDateTime;
    if (const auto local = FileTimeFromDosDateTime(value)) {
        TimeBounds.at(static_cast<size_t>(index)) = localTime_.LocalToUtc(*local);
    }
}

// With wide paths a trailing backslash can never be half of a character.
void TFindFile::SetBaseDir(std::u16string value) {
    if (value.size() < 2) return;
    if (value.back() == u'\\') value.pop_back();
    baseDir_ = std::move(value);
}

int32_t TFindFile::Run() {
    if (!OnFind || running_) return 0;
    const RunningScope running(running_);
    mustHave_ = 0;
    mustNotHave_ = 0;
    for (const AttributeCondition& attribute : kAttributeConditions) {
        if (!(Conditions & ConditionBit(attribute.condition))) continue;
        (this->*attribute.wanted ? mustHave_ : mustNotHave_) |= attribute.bit;
    }
    const int32_t result = SearchSubDir ? TreeWalk() : FlatWalk();
    if (result == kFindCancelled && ExceptionOnCancel) throw EFindFileCancel("TFindFile.Run Cancelled");
    return result;
}

// The tests in their fixed order; the first that fails rejects the entry.
bool TFindFile::Passes(const TFindData& findData) const {
    if ((Conditions & ConditionBit(fcLastWriteTime)) && !Within(findData.lastWriteTime, TimeBounds[0], TimeBounds[1])) {
        return false;
    }
    if ((Conditions & ConditionBit(fcCreationTime)) &&
        (findData.creationTime == 0 || !Within(findData.creationTime, TimeBounds[2], TimeBounds[3]))) {
        return false;
    }
    if ((Conditions & ConditionBit(fcLastAccessTime)) &&
        (findData.lastAccessTime == 0 || !Within(findData.lastAccessTime, TimeBounds[4], TimeBounds[5]))) {
        return false;
    }
    if (Conditions & ConditionBit(fcSize)) {
        // The size is unsigned 64-bit; the bounds are compared sign-extended.
        if (findData.size > static_cast<uint64_t>(INT64_MAX)) return false;
        const auto size = static_cast<int64_t>(findData.size);
        if (size < MinSize || size > MaxSize) return false;
    }
    return (findData.attributes & mustHave_) == mustHave_ && (findData.attributes & mustNotHave_) == 0;
}

// A relaxed look: the flag orders nothing, and it costs less than one entry.
bool TFindFile::Continue(bool& cancel) const {
    if (cancelFlag_ && cancelFlag_->load(std::memory_order_relaxed)) cancel = true;
    return !cancel;
}

void TFindFile::FileLoopFind(const TFindData& findData, bool& cancel) {
    if (!Continue(cancel)) return;
    if (!IsDotEntry(findData.name) && Passes(findData)) OnFind(*this, findData, currentDir_, cancel);
    if (sharedListing_ && !cancel) QueueSubdirectory(findData);
}

void TFindFile::DirLoopFind(const TFindData& findData, bool& cancel) {
    if (Continue(cancel)) QueueSubdirectory(findData);
}

// A link may lead back to its own ancestor: it is reported, never entered.
void TFindFile::QueueSubdirectory(const TFindData& findData) {
    if ((findData.attributes & kAttributeDirectory) && !(findData.attributes & kAttributeReparsePoint) &&
        !IsDotEntry(findData.name)) {
        dirList_.push_back(currentDir_ + u"\\" + findData.name);
    }
}

int32_t TFindFile::FlatWalk() {
    sharedListing_ = false;
    currentDir_ = baseDir_;
    fileLoop_.SetPath(currentDir_ + u"\\" + FileMask);
    return fileLoop_.Run();
}

// Breadth first: every entry of a directory before any of its subdirectories'.
// When both masks are the same, one listing serves the report and the queue,
// in the same order that two listings would give.
int32_t TFindFile::TreeWalk() {
    sharedListing_ = FileMask == DirMask;
    dirList_.assign(1, baseDir_);
    for (size_t i = 0; i < dirList_.size(); ++i) {
        currentDir_ = dirList_[i];
        fileLoop_.SetPath(currentDir_ + u"\\" + FileMask);
        if (const int32_t result = fileLoop_.Run(); result != 0) return result;
        if (sharedListing_) continue;
        dirLoop_.SetPath(currentDir_ + u"\\" + DirMask);
        if (const int32_t result = dirLoop_.Run(); result != 0) return result;
    }
    return 0;
}

}  // namespace kuvano
