// The core's INI reader and updater against the system's own profile
// functions, over files with the awkward corners of the format.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/ini_document.h"
#include "core/profile_values.h"
#include "support/ini_corpus.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using testing::IniCorpusFile;
using testing::ScratchFolder;

constexpr wchar_t kMissing[] = L"<missing>";

struct Query {
    std::string section;
    std::string key;
};

std::vector<Query> Queries() {
    std::vector<Query> queries = {
        {"setei", "drivenam"}, {"setei", "tani"},    {"setei", "syurui"},
        {"setei", "barhyoj"},  {"keikoku", "tenm1"}, {"keikoku", "tenm3"},
        {"keikoku", "tenm6"},  {"color", "aki"},     {"taskbar", "hidari"},
        {"saidbar", "iti"},    {"saidbar", "enGrf"}, {"SETEI", "TANI"},
        {"setei", "#tani"},    {"setei", ";tani"},   {"mine", std::string(3000, 'k')},
    };
    return queries;
}

std::wstring Widen(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// The core keeps an ANSI file's bytes and a UTF-16 file's text as UTF-8.
std::wstring CoreValue(const IniCorpusFile& file, const Query& query) {
    const auto value = IniDocument::Parse(file.bytes).Value(query.section, query.key);
    if (!value) return kMissing;
    const UINT codePage = DecodeIniText(file.bytes).encoding == IniEncoding::Utf16Le ? CP_UTF8 : CP_ACP;
    return Widen(ProfileStringOrDefault(value, ""), codePage);
}

std::wstring SystemValue(const std::wstring& path, const Query& query) {
    std::vector<wchar_t> buffer(kMaxProfileStringLength + 1);
    const DWORD length =
        GetPrivateProfileStringW(Widen(query.section, CP_UTF8).c_str(), Widen(query.key, CP_UTF8).c_str(), kMissing,
                                 buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    return {buffer.data(), length};
}

// What the system reads from a file: each section with its lines, in order.
std::vector<std::wstring> SystemView(const std::wstring& path) {
    std::vector<wchar_t> names(1 << 16);
    GetPrivateProfileSectionNamesW(names.data(), static_cast<DWORD>(names.size()), path.c_str());
    std::vector<std::wstring> view;
    std::vector<wchar_t> lines(1 << 18);
    for (const wchar_t* name = names.data(); *name; name += wcslen(name) + 1) {
        view.push_back(L"[" + std::wstring(name) + L"]");
        GetPrivateProfileSectionW(name, lines.data(), static_cast<DWORD>(lines.size()), path.c_str());
        for (const wchar_t* line = lines.data(); *line; line += wcslen(line) + 1) view.emplace_back(line);
    }
    return view;
}

struct Update {
    std::string section;
    std::string key;
    std::string value;
};

// A save of changed settings, plus a key and a section the files lack.
const std::vector<Update> kUpdates = {
    {"setei", "drivenam", "E"}, {"setei", "tani", "0"},    {"setei", "syurui", "1"},     {"setei", "barhyoj", "1"},
    {"keikoku", "tenm1", "0"},  {"keikoku", "tenm6", "7"}, {"color", "aki", "12632256"}, {"taskbar", "hidari", "1"},
    {"saidbar", "iti", "2"},    {"saidbar", "enGrf", "0"}, {"added", "new", "1"},
};

TEST(IniOracle, CoreReadsWhatGetPrivateProfileStringReads) {
    ScratchFolder folder(L"ini-reader");
    const auto files = testing::TrickyIniFiles();
    for (size_t i = 0; i < files.size(); ++i) {
        const std::wstring path = folder.File(L"reader-" + std::to_wstring(i) + L".ini");
        testing::WriteFileBytes(path, files[i].bytes);
        for (const Query& query : Queries()) {
            EXPECT_EQ(CoreValue(files[i], query), SystemValue(path, query))
                << files[i].name << ": [" << query.section << "] " << query.key.substr(0, 20);
        }
    }
}

TEST(IniOracle, CoreUpdatesAsWritePrivateProfileStringUpdates) {
    ScratchFolder folder(L"ini-writer");
    const auto files = testing::TrickyIniFiles();
    for (size_t i = 0; i < files.size(); ++i) {
        const std::wstring ours = folder.File(L"ours-" + std::to_wstring(i) + L".ini");
        const std::wstring theirs = folder.File(L"theirs-" + std::to_wstring(i) + L".ini");
        IniDocument document = IniDocument::Parse(files[i].bytes);
        for (const Update& update : kUpdates) document.SetValue(update.section, update.key, update.value);
        testing::WriteFileBytes(ours, document.Serialize());

        testing::WriteFileBytes(theirs, files[i].bytes);
        for (const Update& update : kUpdates) {
            ASSERT_TRUE(WritePrivateProfileStringW(Widen(update.section, CP_UTF8).c_str(),
                                                   Widen(update.key, CP_UTF8).c_str(),
                                                   Widen(update.value, CP_UTF8).c_str(), theirs.c_str()));
        }
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, theirs.c_str());  // flush the system's cache

        // Wine's rewrite drops blank lines and respaces every line, so the
        // bytes differ by design; what a reader finds must not.
        EXPECT_EQ(SystemView(ours), SystemView(theirs)) << files[i].name;
    }
}

TEST(IniOracle, ByteOrderMarksThatOnlyWineHonours) {
    // Windows reads a file with a UTF-8 or big-endian UTF-16 mark as bytes of
    // the system code page: the mark glues onto the first line, so "[setei]"
    // is no header there. The core does as Windows does, so a settings file
    // behaves the same on every Windows system; Wine finds the section.
    ScratchFolder folder(L"ini-marks");
    const auto files = testing::FilesWhoseMarkOnlyWineReads();
    for (size_t i = 0; i < files.size(); ++i) {
        const std::wstring path = folder.File(L"mark-" + std::to_wstring(i) + L".ini");
        testing::WriteFileBytes(path, files[i].bytes);
        EXPECT_EQ(SystemValue(path, {"setei", "tani"}), L"1") << files[i].name;
        EXPECT_EQ(CoreValue(files[i], {"setei", "tani"}), kMissing) << files[i].name;
    }
}

}  // namespace
}  // namespace kuvano
