// Times the folder size survey through DirectoryListerWin32 against the
// barest FindFirstFileExW loop over the same first-level subfolders, and
// checks that both count the same.
//   folder_survey_bench_win32 FOLDER
// Under Wine, FOLDER is a tree made natively, reached through Z:.
#include <windows.h>

#include <cstdio>

#include "bare_find_loop_win32.h"
#include "folder_size/folder_survey.h"
#include "folder_size/pump_throttle.h"
#include "platform/directory_lister_win32.h"
#include "platform/local_time_win32.h"
#include "platform/message_pump_win32.h"
#include "platform/text_collation_win32.h"
#include "platform/wide_text_win32.h"
#include "side_by_side.h"

namespace kuvano::bench {
namespace {

constexpr int kRounds = 5;
constexpr double kTarget = 1.15;

std::map<std::u16string, FolderTotals> RowTotals(const FolderSurvey& survey) {
    std::map<std::u16string, FolderTotals> totals;
    for (const SurveyRow& row : survey.Rows()) totals[row.folder] = {row.bytes, row.entries};
    return totals;
}

int Run(std::u16string base) {
    if (base.size() > 3 && base.back() == u'\\') base.pop_back();
    const DirectoryListerWin32 lister;
    const LocalTimeWin32 localTime;
    const TextCollationWin32 collation;
    FolderSurvey survey(lister, localTime, u"C:\\windows", collation);
    // The program's own pump, throttled as the panel throttles it.
    PumpThrottle throttle(kSurveyPumpInterval);
    survey.SetProcessMessages([&throttle] {
        if (throttle.Due(PumpThrottle::Clock::now())) PumpPendingMessages();
    });
    std::map<std::u16string, FolderTotals> bare;
    std::vector<Contender> contenders{
        {"survey (DirectoryListerWin32)", [&] { survey.Run(base); }, {}},
        {"bare FindFirstFileExW loop", [&] { bare = BareFolderTotals(base); }, {}},
    };
    RunSideBySide(contenders, kRounds);

    std::printf("%zu first-level subfolders\n", bare.size());
    std::printf("median of %d runs side by side, after one warm-up each:\n", kRounds);
    for (const Contender& contender : contenders) {
        std::printf("  %-30s %7.3f s\n", contender.name.c_str(), Median(contender.seconds));
    }
    const double ratio = Median(contenders[0].seconds) / Median(contenders[1].seconds);
    std::printf("survey / bare loop %.2f (target at most %.2f: %s)\n", ratio, kTarget,
                ratio <= kTarget ? "met" : "missed");
    const bool same = RowTotals(survey) == bare && !bare.empty();
    std::printf("%s\n", same ? "both give every subfolder the same bytes and entries" : "MISMATCH");
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
