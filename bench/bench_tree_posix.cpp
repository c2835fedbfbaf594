#include "bench_tree_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <stdexcept>
#include <vector>

namespace kuvano::bench {
namespace {

constexpr int kHiddenTopFolders = 50;
constexpr uint32_t kMostSubfolders = 8;

class TreeMaker {
public:
    explicit TreeMaker(const TreeShape& shape) : shape_(shape) {}

    // Breadth first, each folder with a few subfolders, until there are enough.
    void Top(const std::string& top, int folders) {
        std::vector<std::string> made{top};
        Folder(top);
        for (size_t parent = 0; made.size() < static_cast<size_t>(folders); ++parent) {
            const uint32_t subfolders = 1 + Pick(kMostSubfolders);
            for (uint32_t i = 0; i < subfolders && made.size() < static_cast<size_t>(folders); ++i) {
                made.push_back(made[parent] + "/" + Name("d", made.size(), ""));
                Folder(made.back());
            }
        }
        for (const std::string& folder : made) {
            const uint32_t files = shape_.leastFiles + Pick(shape_.mostFiles - shape_.leastFiles + 1);
            for (uint32_t i = 0; i < files; ++i) {
                File(folder + "/" + Name(i % 10 == 0 ? "ファイル" : "f", i, ".dat"), Size());
            }
        }
    }

    BenchTreeCounts counts;

private:
    uint32_t Pick(uint32_t below) { return std::uniform_int_distribution<uint32_t>(0, below - 1)(random_); }

    std::string Name(const char* stem, size_t number, const char* extension) {
        return (Pick(20) == 0 ? "." : "") + std::string(stem) + std::to_string(number) + extension;
    }

    uint64_t Size() {
        const uint32_t kind = Pick(100);
        if (kind < 70) return Pick(4'096);
        if (kind < 95) return 4'096 + Pick(1 << 20);
        if (kind < 99) return (1 << 20) + Pick(8 << 20);
        return uint64_t{Pick(64)} << 20;
    }

    void Folder(const std::string& path) {
        if (mkdir(path.c_str(), 0755) != 0) throw std::runtime_error("cannot make " + path);
        ++counts.folders;
    }

    void File(const std::string& path, uint64_t size) {
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        const bool made = file >= 0 && ftruncate(file, static_cast<off_t>(size)) == 0;
        if (file >= 0) close(file);
        if (!made) throw std::runtime_error("cannot make " + path);
        ++counts.files;
    }

    const TreeShape& shape_;
    std::minstd_rand random_{20'200'418};
};

}  // namespace

BenchTreeCounts MakeBenchTree(const std::string& root, const TreeShape& shape) {
    TreeMaker maker(shape);
    for (int top = 0; top < shape.topFolders; ++top) {
        maker.Top(root + "/top" + std::to_string(top), shape.foldersPerTop);
    }
    maker.Top(root + "/.cache", kHiddenTopFolders);
    return maker.counts;
}

}  // namespace kuvano::bench
