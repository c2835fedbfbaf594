// Makes a benchmark tree of a shape in an empty folder, for the scripts
// that time other programs on it.
//   make_bench_tree SHAPE FOLDER [FOLDERS_PER_TOP]
// SHAPE is "files" or "folders"; FOLDERS_PER_TOP, when given, makes a
// smaller or larger tree of that shape.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "bench_tree_posix.h"

int main(int argc, char** argv) {
    using namespace kuvano::bench;
    const std::string name = argc > 1 ? argv[1] : "";
    if (argc < 3 || argc > 4 || (name != kFileHeavyTree.name && name != kFolderHeavyTree.name)) {
        std::fprintf(stderr, "usage: make_bench_tree files|folders FOLDER [FOLDERS_PER_TOP]\n");
        return 2;
    }
    TreeShape shape = name == kFileHeavyTree.name ? kFileHeavyTree : kFolderHeavyTree;
    if (argc == 4) shape.foldersPerTop = std::stoi(argv[3]);
    try {
        std::filesystem::create_directories(argv[2]);
        if (!std::filesystem::is_empty(argv[2])) throw std::runtime_error(std::string(argv[2]) + " is not empty");
        const BenchTreeCounts made = MakeBenchTree(argv[2], shape);
        std::printf("made %lld folders and %lld files\n", static_cast<long long>(made.folders),
                    static_cast<long long>(made.files));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_bench_tree: %s\n", error.what());
        return 1;
    }
}
