#include "folder_size/folder_survey.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "platform/directory_lister_posix.h"
#include "platform/file_names_posix.h"
#include "platform/ordinal_collation.h"
#include "support/find_totals_posix.h"
#include "support/fixed_seek_penalty.h"
#include "support/scratch_folder_posix.h"

namespace kuvano {
namespace {

// What `work` prints, run in a child that reads through permission bits as
// nobody (65534) does; anyone but root is already kept out by them.
std::string AsNobody(const std::function<std::string()>& work) {
    int channel[2];
    if (pipe(channel) != 0) return "no pipe";
    if (fork() == 0) {
        const bool dropped = geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0);
        const std::string report = dropped ? work() : "cannot give up root";
        _exit(write(channel[1], report.data(), report.size()) == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string report;
    char chunk[4096];
    for (ssize_t got; (got = read(channel[0], chunk, sizeof chunk)) > 0;)
        report.append(chunk, static_cast<size_t>(got));
    close(channel[0]);
    wait(nullptr);
    return report;
}

// Each subfolder of the base folder is an awkward case; the survey's row of
// each holds what find counts below it, both run as nobody.
TEST(FolderSurveyOnRealTrees, EachRowCountsWhatFindCountsBelowItsFolder) {
    const testing::ScratchFolder base("survey");
    const std::pair<std::string, uint64_t> files[] = {
        {"日本語 😀/Кириллица/файл", 3},
        {"日本語 😀/back\\slash/🎉.bin", 12345},
        {"not-utf8-\xff\xfe/\x80\xc0\xaf", 11},
        {"deep/" + std::string(150, 'd') + "/" + std::string(150, 'd') + "/bottom.bin", 4096},  // beyond 260
        {"loop/a/b/f", 5},
        {"sparse/big.bin", 5ull << 30},
        {"closed/file", 10},
        {"closed/locked/inner/secret", 100},
        {"closed/listable/named", 20},
        {".hidden/skipped", 1},
    };
    for (const auto& [file, size] : files) testing::WriteFileOfSize(base.File(file), size);
    // Followed, this link to its grandparent would go round until the paths grew too long.
    std::filesystem::create_directory_symlink("../..", base.File("loop/a/b/up"));
    // One folder not readable, one readable but not searchable: names without sizes.
    chmod(base.File("closed/locked").c_str(), 0), chmod(base.File("closed/listable").c_str(), 0444);
    chmod(base.Path().c_str(), 0755);

    const std::string report = AsNobody([&] {
        std::u16string windowsBase;
        WindowsNameFromPosix(base.Path(), windowsBase);
        const DirectoryListerPosix lister;
        const OrdinalCollation collation;
        const testing::FixedSeekPenalty workerPerCore(false);
        FolderSurvey survey(lister, u"C:\\Windows", collation, workerPerCore, nullptr);
        survey.Run(windowsBase);
        std::ostringstream rows, found;
        for (const SurveyRow& row : survey.Rows()) {
            const std::string folder = PosixPathFromWindows(row.folder);
            const testing::FindTotals totals = testing::FindTotalsBelow(folder);
            rows << folder << ' ' << row.bytes << ' ' << row.entries << '\n';
            found << folder << ' ' << totals.bytes << ' ' << totals.entries << '\n';
        }
        return rows.str() + "find:\n" + found.str();
    });
    chmod(base.File("closed/locked").c_str(), 0755), chmod(base.File("closed/listable").c_str(), 0755);
    const std::string rows = report.substr(0, report.find("find:\n"));
    EXPECT_EQ(report, rows + "find:\n" + rows);
    for (const auto& [file, size] : files) {
        const bool hidden = file[0] == '.';
        EXPECT_EQ(rows.find(base.File(file.substr(0, file.find('/'))) + " ") == std::string::npos, hidden) << file;
    }
    EXPECT_NE(rows.find(base.File("sparse") + " 5368709120 1\n"), std::string::npos);
    EXPECT_NE(rows.find(base.File("closed") + " 10 4\n"), std::string::npos) << "file, locked, listable, named";
}

}  // namespace
}  // namespace kuvano
