#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/local_time.h"
#include "folder_size/dos_date_time.h"
#include "folder_size/find_first_loop.h"

namespace kuvano {

class EFindFileCancel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TFindFileCondition : uint16_t {
    fcLastWriteTime = 0,
    fcCreationTime,
    fcLastAccessTime,
    fcSize,
    fcReadOnly,
    fcHidden,
    fcSystem,
    fcDirectory,
    fcArchive,
};

// A set of TFindFileCondition, bit n for ordinal n.
using TFindFileConditions = uint16_t;
constexpr TFindFileConditions ConditionBit(TFindFileCondition condition) {
    return static_cast<TFindFileConditions>(1u << condition);
}

// Walks a directory, or its whole tree breadth first, and reports each entry
// that passes the chosen tests. Before every entry it looks at its cancel
// flag, so that another thread can end a long walk at once.
class TFindFile {
public:
    using OnFindHandler = std::function<void(TFindFile& sender, const TFindData& findData,
                                             const std::u16string& currentDir, bool& cancel)>;

    TFindFile(const DirectoryLister& lister, const LocalTime& localTime, std::u16string windowsDirectory);

    OnFindHandler OnFind;
    bool ExceptionOnCancel = false;
    // Once the flag is set, from any thread, the walk ends at its next entry.
    void CancelWhen(const std::atomic<bool>& flag) { cancelFlag_ = &flag; }

    // Bounds as UTC file times, inclusive, in the order last write, creation,
    // last access; at first from today 00:00 to tomorrow 00:00, local time.
    std::array<uint64_t, 6> TimeBounds{};
    int32_t MinSize = 0;
    int32_t MaxSize = 0x7FFFFFFF;
    bool AttrReadOnly = false;
    bool AttrArchive = false;
    bool AttrDirectory = false;
    bool AttrHidden = false;
    bool AttrSystem = false;
    TFindFileConditions Conditions = 0;
    bool SearchSubDir = false;
    std::u16string FileMask = u"*.*";
    std::u16string DirMask = u"*.*";

    // The six bounds as DOS date-times in local time: 0 FromLastWriteTime,
    // 1 ToLastWriteTime, 2 FromCreationTime, 3 ToCreationTime,
    // 4 FromLastAccessTime, 5 ToLastAccessTime. Writing 0 gives the widest
    // bound; a date that does not exist is ignored.
    int32_t TimeProperty(int index) const;
    void SetTimeProperty(int index, int32_t dosDateTime);

    const std::u16string& BaseDir() const { return baseDir_; }
    // Shorter than two characters: ignored. One trailing backslash is cut off.
    void SetBaseDir(std::u16string value);
    const std::u16string& CurrentDir() const { return currentDir_; }

    // 0, 1223 after a cancel, or the system's error code that ended a listing.
    // A Run started while this one is still on the stack (from a handler)
    // returns 0 at once: both would share one queue.
    int32_t Run();

private:
    void SetTodayAsDefaultBounds();
    bool Continue(bool& cancel) const;
    void FileLoopFind(const TFindData& findData, bool& cancel);
    void DirLoopFind(const TFindData& findData, bool& cancel);
    void QueueSubdirectory(const TFindData& findData);
    bool Passes(const TFindData& findData) const;
    int32_t FlatWalk();
    int32_t TreeWalk();

    const LocalTime& localTime_;
    const std::atomic<bool>* cancelFlag_ = nullptr;
    TFindFirstLoop fileLoop_;
    TFindFirstLoop dirLoop_;
    std::u16string baseDir_;
    std::u16string currentDir_;
    std::vector<std::u16string> dirList_;
    uint32_t mustHave_ = 0;
    uint32_t mustNotHave_ = 0;
    bool running_ = false;
    bool sharedListing_ = false;
};

}  // namespace kuvano
