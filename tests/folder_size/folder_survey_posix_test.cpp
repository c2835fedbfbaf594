#include "folder_size/folder_survey.h"

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "platform/directory_lister_posix.h"
#include "platform/file_names_posix.h"
#include "platform/ordinal_collation.h"
#include "support/fake_local_time.h"
#include "support/find_totals_posix.h"
#include "support/scratch_folder_posix.h"

namespace kuvano {
namespace {

using testing::FindTotals;
using testing::FindTotalsBelow;
using testing::ScratchFolder;
using testing::WriteFileOfSize;
using Totals = std::map<std::string, FindTotals>;  // by first-level subfolder

// The survey of a real folder through the POSIX lister.
class RealSurvey {
public:
    explicit RealSurvey(const std::string& base) {
        std::u16string windowsBase;
        WindowsNameFromPosix(base, windowsBase);
        survey.Run(windowsBase);
    }

    Totals RowTotals() const {
        Totals totals;
        for (const SurveyRow& row : survey.Rows()) totals[PosixPathFromWindows(row.folder)] = {row.bytes, row.entries};
        return totals;
    }

    Totals FindTotalsOfTheSameFolders() const {
        Totals totals;
        for (const SurveyRow& row : survey.Rows()) {
            const std::string folder = PosixPathFromWindows(row.folder);
            totals[folder] = FindTotalsBelow(folder);
        }
        return totals;
    }

    DirectoryListerPosix lister;
    testing::FakeLocalTime japan;
    OrdinalCollation collation;
    FolderSurvey survey{lister, japan, u"C:\\Windows", collation};
};

std::string Text(const Totals& totals) {
    std::ostringstream text;
    for (const auto& [folder, counted] : totals)
        text << folder << ' ' << counted.bytes << ' ' << counted.entries << '\n';
    return text.str();
}

void MakeFolders(const std::string& path) {
    std::filesystem::create_directories(path);
}

TEST(FolderSurveyOnRealTrees, CountsWhatFindCountsBelowEachPlainSubfolder) {
    const ScratchFolder base("survey");
    MakeFolders(base.File("plain/sub/日本語/Кириллица/😀"));
    WriteFileOfSize(base.File("plain/a.bin"), 1000);
    WriteFileOfSize(base.File("plain/.hidden-file"), 77);
    WriteFileOfSize(base.File("plain/sub/日本語/ファイル.txt"), 2048);
    WriteFileOfSize(base.File("plain/sub/日本語/Кириллица/файл"), 3);
    WriteFileOfSize(base.File("plain/sub/日本語/Кириллица/😀/🎉.bin"), 12345);
    for (const char* awkward : {"plain/\xff\xfe-not-utf8", "plain/back\\slash"}) {
        MakeFolders(base.File(awkward));
        WriteFileOfSize(base.File(awkward) + "/inside", 11);
    }
    std::string deep = "deep";
    while (base.File(deep).size() <= 260) deep += "/" + std::string(40, 'd');
    MakeFolders(base.File(deep));
    WriteFileOfSize(base.File(deep + "/bottom.bin"), 4096);
    // A walk that followed this link to an ancestor would go round until paths grew too long.
    MakeFolders(base.File("loop/a/b"));
    std::filesystem::create_directory_symlink("../..", base.File("loop/a/b/up"));
    WriteFileOfSize(base.File("loop/a/b/f"), 5);
    MakeFolders(base.File("sparse"));
    WriteFileOfSize(base.File("sparse/big.bin"), 5ull << 30);
    MakeFolders(base.File(".hidden"));
    WriteFileOfSize(base.File(".hidden/h.bin"), 999);
    WriteFileOfSize(base.File("loose.bin"), 100);  // lies in the base folder: not counted

    const RealSurvey real(base.Path());
    const Totals rows = real.RowTotals();
    Totals expected;
    for (const char* folder : {"plain", "deep", "loop", "sparse"}) {
        expected[base.File(folder)] = FindTotalsBelow(base.File(folder));
    }
    EXPECT_EQ(Text(rows), Text(expected));
    EXPECT_EQ(expected[base.File("loop")], (FindTotals{.bytes = 5, .entries = 4}));  // the link is one entry
    const auto sparse = std::ranges::find(real.survey.Rows(), u"sparse", [](const SurveyRow& row) {
        return std::u16string_view(row.folder).substr(row.folder.rfind(u'\\') + 1);
    });
    ASSERT_NE(sparse, real.survey.Rows().end());
    EXPECT_EQ(sparse->bytes, 5'368'709'120);
    EXPECT_EQ(MegabyteText(*sparse, u","), u"005,120");
}

// The report of work run in a child without root, which reads through
// permission bits: the child becomes nobody (65534). Anyone else is already
// kept out by mode 000 and stays who they are.
std::string InUnprivilegedChild(const std::function<std::string()>& work) {
    int channel[2];
    if (pipe(channel) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string report;
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) {
            report = "cannot give up root";
        } else {
            try {
                report = work();
            } catch (const std::exception& failure) {
                report = failure.what();
            }
        }
        for (size_t sent = 0; sent < report.size();) {
            const ssize_t written = write(channel[1], report.data() + sent, report.size() - sent);
            if (written <= 0) break;
            sent += static_cast<size_t>(written);
        }
        _exit(0);
    }
    close(channel[1]);
    std::string report;
    char chunk[4096];
    for (ssize_t got; (got = read(channel[0], chunk, sizeof chunk)) > 0;)
        report.append(chunk, static_cast<size_t>(got));
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return report;
}

// Survey and find run with the same, unprivileged, rights in one child. A
// folder that cannot be read is one entry with nothing inside; one that can
// be read but not searched shows its entries' names, with no sizes.
TEST(FolderSurveyOnRealTrees, FoldersClosedToTheUserCountAsFindCountsThem) {
    const ScratchFolder base("unreadable");
    MakeFolders(base.File("open/locked/inner"));
    MakeFolders(base.File("open/listable/sub"));
    WriteFileOfSize(base.File("open/file"), 10);
    WriteFileOfSize(base.File("open/locked/secret"), 100);
    WriteFileOfSize(base.File("open/listable/named"), 20);
    chmod(base.Path().c_str(), 0755);
    chmod(base.File("open/locked").c_str(), 0);
    chmod(base.File("open/listable").c_str(), 0444);

    const std::string report = InUnprivilegedChild([&base] {
        const RealSurvey real(base.Path());
        return Text(real.RowTotals()) + "find:\n" + Text(real.FindTotalsOfTheSameFolders());
    });
    chmod(base.File("open/locked").c_str(), 0755);
    chmod(base.File("open/listable").c_str(), 0755);
    // file, locked, listable, and the names sub and named
    const std::string row = Text({{base.File("open"), {.bytes = 10, .entries = 5}}});
    EXPECT_EQ(report, row + "find:\n" + row);
}

}  // namespace
}  // namespace kuvano
