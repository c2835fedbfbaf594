#pragma once

#include <string>

#include "core/directory_lister.h"

namespace kuvano::bench {

// A tree that exists only as it is listed, no disk behind it: below the
// root, every folder down to `levels` holds `fanOut` folders named
// "folder0000" and on, and the folders of the last level are empty. Each
// listing gives "." and ".." first, as the system's find functions do.
class GeneratedTreeLister final : public DirectoryLister {
public:
    GeneratedTreeLister(std::u16string root, int fanOut, int levels)
        : root_(std::move(root)), fanOut_(fanOut), levels_(levels) {}

    // "<folder>\*.*" below the root; anything else matches nothing.
    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, DirectoryEntry& first) const override;

    const std::u16string& Root() const { return root_; }
    // Every folder below the root.
    int64_t Folders() const;

private:
    std::u16string root_;
    int fanOut_;
    int levels_;
};

}  // namespace kuvano::bench
