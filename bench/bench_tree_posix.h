#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kuvano::bench {

// How a benchmark tree lies below its first-level subfolders. Each folder of
// a top has one to eight subfolders, breadth first, until the top holds its
// count (itself included); each folder holds from least to most files, spread
// evenly: mostly small, some of a few megabytes, a few large, all sparse so
// that the tree is quick to make; one entry in twenty hidden, some names in
// Japanese. One hidden first-level subfolder of 50 folders, which a survey
// skips, lies beside the tops.
struct TreeShape {
    std::string_view name;
    int topFolders = 0;
    int foldersPerTop = 0;
    uint32_t leastFiles = 0;
    uint32_t mostFiles = 0;
};

// About 200,000 files in 20,000 folders below ten tops: a file per
// directory walk is cheap beside the files' entries.
inline constexpr TreeShape kFileHeavyTree{"files", 10, 2'000, 0, 20};
// 400,000 files in 80,000 folders below twenty tops: the walk's cost of
// each directory opened and left shows.
inline constexpr TreeShape kFolderHeavyTree{"folders", 20, 4'000, 5, 5};

struct BenchTreeCounts {
    int64_t folders = 0;
    int64_t files = 0;
};

// Fills an empty folder with a tree of that shape, always the same.
BenchTreeCounts MakeBenchTree(const std::string& root, const TreeShape& shape);

}  // namespace kuvano::bench
