// Times the folder size survey on a real tree natively, through the POSIX
// lister, with a worker per core and with one, against du over the same
// first-level subfolders and gdu over the tree without its hidden top
// folder, and checks that the survey counts what find counts.
//   folder_survey_bench SHAPE [TREE]
// SHAPE is "files" (many files to few folders) or "folders" (many folders).
// TREE, when given, is used as it is if it holds anything, else a tree of
// that shape is made there and kept; without it one is made in a scratch folder.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "bench_survey.h"
#include "bench_tree_posix.h"
#include "find_totals_posix.h"
#include "platform/directory_lister_posix.h"
#include "platform/file_names_posix.h"
#include "platform/ordinal_collation.h"
#include "scratch_folder_posix.h"
#include "side_by_side.h"

namespace kuvano::bench {
namespace {

constexpr int kRounds = 5;
constexpr double kTargetOverDu = 0.6;

// The first-level subfolders a survey measures: plain folders, not hidden.
std::vector<std::string> PlainSubfolders(const std::string& root) {
    std::vector<std::string> folders;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        if (entry.is_directory() && !entry.is_symlink() && !entry.path().filename().string().starts_with('.')) {
            folders.push_back(entry.path().string());
        }
    }
    std::ranges::sort(folders);
    return folders;
}

// The folders below root that are not among the subfolders measured.
std::string OtherFolders(const std::string& root, const std::vector<std::string>& folders) {
    std::string others;
    for (const auto& entry : std::filesystem::directory_iterator(root)) {
        if (entry.is_directory() && std::ranges::find(folders, entry.path().string()) == folders.end()) {
            others += (others.empty() ? "" : ",") + entry.path().string();
        }
    }
    return others;
}

std::string QuotedList(const std::vector<std::string>& folders) {
    std::string list;
    for (const std::string& folder : folders) list += " " + ShellQuoted(folder);
    return list;
}

// The subfolders whose rows are missing or whose totals differ from find's.
int Mismatches(const BenchSurvey& survey, const std::vector<std::string>& folders) {
    std::vector<std::string> measured;
    int mismatches = 0;
    for (const SurveyRow& row : survey.Rows()) {
        const std::string folder = PosixPathFromWindows(row.folder);
        measured.push_back(folder);
        const FindTotals found = FindTotalsBelow(folder);
        if (found == FindTotals{row.bytes, row.entries}) continue;
        std::printf("%s: survey %lld bytes, %lld entries; find %lld bytes, %lld entries\n", folder.c_str(),
                    static_cast<long long>(row.bytes), static_cast<long long>(row.entries),
                    static_cast<long long>(found.bytes), static_cast<long long>(found.entries));
        ++mismatches;
    }
    std::ranges::sort(measured);
    if (measured != folders) {
        std::printf("the survey measured %zu folders, not the %zu plain subfolders\n", measured.size(), folders.size());
        ++mismatches;
    }
    return mismatches;
}

int Run(const TreeShape& shape, const std::optional<std::string>& given) {
    std::unique_ptr<ScratchFolder> scratch;
    std::string root;
    if (given) {
        root = std::filesystem::absolute(*given).lexically_normal().string();
        if (root.size() > 1 && root.ends_with('/')) root.pop_back();
        std::filesystem::create_directories(root);
    } else {
        scratch = std::make_unique<ScratchFolder>("bench");
        root = scratch->Path();
    }
    if (std::filesystem::is_empty(root)) {
        const auto start = std::chrono::steady_clock::now();
        const BenchTreeCounts made = MakeBenchTree(root, shape);
        std::printf("made %lld folders and %lld files in %.1f s\n", static_cast<long long>(made.folders),
                    static_cast<long long>(made.files),
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    const std::vector<std::string> folders = PlainSubfolders(root);
    std::printf("tree (%s): %s, %zu first-level subfolders\n", std::string(shape.name).c_str(), root.c_str(),
                folders.size());

    const auto lister = std::make_shared<DirectoryListerPosix>();
    const OrdinalCollation collation;
    BenchSurvey survey(lister, collation, BenchSurvey::Workers::PerCore);
    BenchSurvey alone(lister, collation, BenchSurvey::Workers::One);
    std::u16string base;
    WindowsNameFromPosix(root, base);
    const std::string list = QuotedList(folders);
    const std::string others = OtherFolders(root, folders);
    const std::string gdu =
        "gdu -n -p -s -a" + (others.empty() ? "" : " -i " + ShellQuoted(others)) + " " + ShellQuoted(root);
    std::vector<Contender> contenders{
        {"survey, a worker per core", [&] { survey.Run(base); }, {}},
        {"survey, one worker", [&] { alone.Run(base); }, {}},
        {"du -s --apparent-size -B1", [&] { CommandOutput("du -s --apparent-size -B1" + list); }, {}},
        {"gdu -n -p -s -a", [&] { CommandOutput(gdu); }, {}},
    };
    RunSideBySide(contenders, kRounds);

    std::printf("median of %d runs side by side, after one warm-up each:\n", kRounds);
    for (const Contender& contender : contenders) {
        std::printf("  %-28s %7.3f s\n", contender.name.c_str(), Median(contender.seconds));
    }
    const auto over = [&](size_t other) { return Median(contenders[0].seconds) / Median(contenders[other].seconds); };
    std::printf("survey / du          %.2f (target at most %.2f: %s)\n", over(2), kTargetOverDu,
                over(2) <= kTargetOverDu ? "met" : "missed");
    std::printf("survey / gdu         %.2f (target below 1: %s)\n", over(3), over(3) < 1 ? "met" : "missed");
    std::printf("survey / one worker  %.2f\n", over(1));

    const int mismatches = Mismatches(survey, folders) + Mismatches(alone, folders);
    std::printf("%s\n", mismatches == 0 ? "every subfolder's bytes and entries equal find's" : "MISMATCH");
    return mismatches == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kuvano::bench

int main(int argc, char** argv) {
    using namespace kuvano::bench;
    const std::string shape = argc > 1 ? argv[1] : "";
    if (argc > 3 || (shape != kFileHeavyTree.name && shape != kFolderHeavyTree.name)) {
        std::fprintf(stderr, "usage: %s files|folders [TREE]\n", argv[0]);
        return 2;
    }
    return Run(shape == kFileHeavyTree.name ? kFileHeavyTree : kFolderHeavyTree,
               argc == 3 ? std::optional<std::string>(argv[2]) : std::nullopt);
}
