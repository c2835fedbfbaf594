// The surveys file at its largest under Wine: into bytes and back, and its
// write in one step as the program makes it, side by side with a plain
// write of the same bytes to a new file.
#include <windows.h>

#include <cstdio>

#include "platform/file_store_win32.h"
#include "platform/scoped_win32.h"
#include "platform/wide_text_win32.h"
#include "survey_file_cost.h"

int wmain(int argc, wchar_t** argv) {
    using namespace kuvano;
    if (argc != 2) {
        std::fprintf(stderr, "usage: survey_file_bench_win32 FOLDER\n");
        return 2;
    }
    const std::wstring folder = argv[1];
    const std::u16string path = FromWide(folder);
    const std::vector<SurveyRecord> records = bench::LargestSurveys();
    const std::string file = EncodeSurveys(records);
    const FileStoreWin32 files;
    std::vector<bench::Contender> contenders = bench::CodecContenders(records, file);
    contenders.push_back({"write in one step", [&] { files.ReplaceWhole(path + u"\\Kuvano.surveys", file); }, {}});
    contenders.push_back({"plain write", [&] {
                              UniqueFile plain(CreateFileW((folder + L"\\plain").c_str(), GENERIC_WRITE, 0, nullptr,
                                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
                              DWORD written = 0;
                              WriteFile(plain.get(), file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
                          },
                          {}});
    std::printf("%zu rows, %zu bytes, medians of 9\n", kRememberedRows, file.size());
    bench::RunSideBySide(contenders, 9);
    bench::Report(contenders, "plain write");
    return files.ReadWhole(path + u"\\Kuvano.surveys").bytes == file ? 0 : 1;
}
