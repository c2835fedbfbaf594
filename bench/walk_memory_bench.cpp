// The peak memory and the time of a whole-tree FileSearch over 1,000 folders
// of 1,000 folders each, 1,001,000 directories that exist only as they are
// listed, against the floor of any walk: depth first, holding only its open
// listings and one path. Each run in a child process of its own, the two in
// turn, five rounds after a warm-up each.
//   walk_memory_bench
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "folder_size/file_search.h"
#include "forked_run_posix.h"
#include "generated_tree_lister.h"
#include "side_by_side.h"

namespace kuvano::bench {
namespace {

constexpr int kRounds = 5;
constexpr int kFanOut = 1'000;
constexpr int kLevels = 2;

bool IsDot(const std::u16string& name) {
    return name == u"." || name == u"..";
}

int64_t SearchedEntries(const DirectoryLister& lister, const std::u16string& root) {
    FileSearch search(lister);
    search.wholeTree = true;
    int64_t entries = 0;
    search.onEntry = [&entries](const DirectoryEntry&, const std::u16string&) { ++entries; };
    search.SetBaseFolder(root);
    search.Run();
    return entries;
}

// `folder` grows by a name on the way down and is cut back on the way up.
int64_t WalkedEntries(const DirectoryLister& lister, std::u16string& folder) {
    DirectoryEntry entry;
    const auto listing = lister.Open(folder + u"\\*.*", entry);
    if (!listing) return 0;
    int64_t entries = 0;
    uint32_t error = 0;
    do {
        if (IsDot(entry.name)) continue;
        ++entries;
        if ((entry.attributes & kAttributeDirectory) && !(entry.attributes & kAttributeReparsePoint)) {
            const size_t length = folder.size();
            folder.append(u"\\").append(entry.name);
            entries += WalkedEntries(lister, folder);
            folder.resize(length);
        }
    } while (listing->Next(entry, error));
    return entries;
}

struct WalkContender {
    const char* name;
    std::function<int64_t()> walk;
    std::vector<ForkedRun> runs;
};

double MedianSeconds(const WalkContender& contender) {
    std::vector<double> seconds;
    for (const ForkedRun& run : contender.runs) seconds.push_back(run.seconds);
    return Median(seconds);
}

long PeakKibibytes(const WalkContender& contender) {
    long most = 0;
    for (const ForkedRun& run : contender.runs) most = std::max(most, run.peakKibibytes);
    return most;
}

// The growth of the peak over what the child had at its start.
long GrowthKibibytes(const WalkContender& contender) {
    long most = 0;
    for (const ForkedRun& run : contender.runs) most = std::max(most, run.peakKibibytes - run.startKibibytes);
    return most;
}

int Run() {
    const GeneratedTreeLister lister(u"C:\\tree", kFanOut, kLevels);
    std::vector<WalkContender> contenders{
        {"FileSearch, whole tree", [&] { return SearchedEntries(lister, lister.Root()); }, {}},
        {"depth-first floor",
         [&] {
             std::u16string folder = lister.Root();
             return WalkedEntries(lister, folder);
         },
         {}},
    };
    for (WalkContender& contender : contenders) RunForked(contender.walk);
    for (int round = 0; round < kRounds; ++round) {
        for (WalkContender& contender : contenders) contender.runs.push_back(RunForked(contender.walk));
    }

    std::printf("%lld directories in memory; each run in a child of its own, median of %d runs side by side:\n",
                static_cast<long long>(lister.Folders()), kRounds);
    std::printf("  %-24s %9s %14s %16s\n", "", "time", "peak RSS KiB", "peak growth KiB");
    for (const WalkContender& contender : contenders) {
        std::printf("  %-24s %7.3f s %14ld %16ld\n", contender.name, MedianSeconds(contender), PeakKibibytes(contender),
                    GrowthKibibytes(contender));
    }
    const WalkContender& search = contenders[0];
    const WalkContender& floor = contenders[1];
    std::printf(
        "FileSearch / floor: time %.2f, peak RSS %.2f, peak growth %.1f\n",
        MedianSeconds(search) / MedianSeconds(floor),
        static_cast<double>(PeakKibibytes(search)) / static_cast<double>(PeakKibibytes(floor)),
        static_cast<double>(GrowthKibibytes(search)) / static_cast<double>(std::max(1L, GrowthKibibytes(floor))));
    const bool counted = std::ranges::all_of(contenders, [&](const WalkContender& contender) {
        return std::ranges::all_of(contender.runs,
                                   [&](const ForkedRun& run) { return run.result == lister.Folders(); });
    });
    std::printf("%s\n", counted ? "both count every directory" : "MISMATCH");
    return counted ? 0 : 1;
}

}  // namespace
}  // namespace kuvano::bench

int main() {
    try {
        return kuvano::bench::Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "walk_memory_bench: %s\n", error.what());
        return 1;
    }
}
