#pragma once

#include <cstdint>
#include <string>

namespace kuvano::bench {

struct BenchTreeCounts {
    int64_t folders = 0;
    int64_t files = 0;
};

// Fills an empty folder with about 200,000 files in 20,000 folders below ten
// first-level subfolders, always the same: mostly small files, some of a few
// megabytes, a few large, all sparse so that the tree is quick to make; one
// entry in twenty hidden, some names in Japanese; and one hidden first-level
// subfolder, which a survey skips.
BenchTreeCounts MakeBenchTree(const std::string& root);

}  // namespace kuvano::bench
