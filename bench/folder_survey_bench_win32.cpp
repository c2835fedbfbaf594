// Times the folder size survey through DirectoryListerWin32, with a worker
// per core and with one, against the barest FindFirstFileExW loop over the
// same first-level subfolders, and checks that all count the same.
//   folder_survey_bench_win32 FOLDER
// Under Wine, FOLDER is a tree made natively, reached through Z:.
#include <windows.h>

#include <cstdio>

#include "bare_find_loop_win32.h"
#include "folder_size/folder_survey.h"
#include "platform/directory_lister_win32.h"
#include "platform/text_collation_win32.h"
#include "platform/wide_text_win32.h"
#include "side_by_side.h"
#include "folder_size/survey_pool_size.h"
#include "support/fake_survey_system.h"

namespace kuvano::bench {
namespace {

constexpr int kRounds = 5;

std::map<std::u16string, FolderTotals> RowTotals(const FolderSurvey& survey) {
    std::map<std::u16string, FolderTotals> totals;
    for (const SurveyRow& row : survey.Rows()) totals[row.folder] = {row.bytes, row.entries};
    return totals;
}

int Run(std::u16string base) {
    if (base.size() > 3 && base.back() == u'\\') base.pop_back();
    const auto lister = std::make_shared<DirectoryListerWin32>();
    const TextCollationWin32 collation;
    FolderSurvey survey(
        testing::FakeSurveySystem(lister, SurveyPoolSize(std::thread::hardware_concurrency(), VolumeKind::SolidState)),
        collation, nullptr);
    FolderSurvey alone(testing::FakeSurveySystem(lister, 1), collation, nullptr);
    std::map<std::u16string, FolderTotals> bare;
    std::vector<Contender> contenders{
        {"survey, a worker per core", [&] { survey.Run(base); }, {}},
        {"survey, one worker", [&] { alone.Run(base); }, {}},
        {"bare FindFirstFileExW loop", [&] { bare = BareFolderTotals(base); }, {}},
    };
    RunSideBySide(contenders, kRounds);

    std::printf("%zu first-level subfolders\n", bare.size());
    std::printf("median of %d runs side by side, after one warm-up each:\n", kRounds);
    for (const Contender& contender : contenders) {
        std::printf("  %-30s %7.3f s\n", contender.name.c_str(), Median(contender.seconds));
    }
    const auto over = [&](size_t other) { return Median(contenders[0].seconds) / Median(contenders[other].seconds); };
    std::printf("survey / one worker %.2f (target below 1: %s)\n", over(1), over(1) < 1 ? "met" : "missed");
    std::printf("survey / bare loop  %.2f\n", over(2));
    const bool same = RowTotals(survey) == bare && RowTotals(alone) == bare && !bare.empty();
    std::printf("%s\n", same ? "all give every subfolder the same bytes and entries" : "MISMATCH");
    return same ? 0 : 1;
}

}  // namespace
}  // namespace kuvano::bench

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: folder_survey_bench_win32 FOLDER\n");
        return 2;
    }
    return kuvano::bench::Run(kuvano::FromWide(argv[1]));
}
