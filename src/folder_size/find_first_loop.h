#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "core/directory_lister.h"

namespace kuvano {

inline constexpr int32_t kFindCancelled = 1223;

class EFindFirstLoopCancel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Lists the entries of one pattern and hands each to OnFind, "." and ".."
// included, in the order the system returns them.
class TFindFirstLoop {
public:
    using OnFindHandler = std::function<void(TFindFirstLoop& sender, const TFindData& findData, bool& cancel)>;

    explicit TFindFirstLoop(const DirectoryLister& lister) : lister_(lister) {}

    const std::u16string& Path() const { return path_; }
    // Ignored while a run is in progress.
    void SetPath(std::u16string path) {
        if (!running_) path_ = std::move(path);
    }
    OnFindHandler OnFind;
    bool ExceptionOnCancel = false;

    // 0 when the listing ended (also when nothing matched or the pattern
    // cannot be opened), 1223 after a cancel, else the system's error code.
    int32_t Run();

private:
    int32_t Cancelled(const char* message) const;

    const DirectoryLister& lister_;
    std::u16string path_;
    bool running_ = false;
};

}  // namespace kuvano
