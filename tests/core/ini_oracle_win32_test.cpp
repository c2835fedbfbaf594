// The core's INI reader and updater against the system's profile functions, over awkward files.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "core/ini_document.h"
#include "core/profile_values.h"
#include "support/scratch_folder_win32.h"

namespace kuvano {
namespace {

using namespace std::string_literals;

// Where Windows and Wine part ways the core follows Windows: it reads a file
// with a UTF-8 or big-endian UTF-16 mark as bytes, and such files are left out.
std::string Utf16(std::string_view ascii, std::string bytes) {
    for (char c : ascii) bytes += {c, '\0'};
    return bytes;
}

const std::pair<const char*, std::string> kCorpus[] = {
    {"empty", ""},
    {"typical", "[setei]\r\ndrivenam=D\r\ntani=1\r\n[keikoku]\r\ntenm6=0\r\n[color]\r\naki=255\r\n[saidbar]\r\niti=4"},
    {"LF, lone CR, no final newline", "[setei]\ntani=1\rsyurui=0\n[saidbar]\r\niti=4"},
    {"blanks", "  [setei]  \r\n\t tani \t=\t 1 \t\r\n\vsyurui=\f0\x1A\r\n\x1A\r\n[ saidbar ]\r\niti =4\r\n"},
    {"quotes", "[setei]\r\ndrivenam=\"E\"\r\ntani='1'\r\nsyurui=\"0'\r\nbarhyoj=\"\r\n[color]\r\naki=\"\"\r\n"},
    {"comments", "; head\r\n[setei]\r\n;tani=1\r\n  ; x\r\ntani=2 ; no comment\r\n#tani=3\r\n[color] ; x\r\naki=1\r\n"},
    {"duplicates", "[setei]\r\ntani=1\r\ntani=2\r\n[saidbar]\r\niti=1\r\n[SETEI]\r\nsyurui=0\r\ntani=3\r\n"},
    {"no section, no =, empty", "tani=1\r\niti=2\r\n[setei]\r\ntani\r\nsyurui=\r\ntext\r\n[saidbar]\r\nenGrf="},
    {"odd headers", "[setei\r\ntani=1\r\n[]\r\ntani=2\r\n[setei]]\r\ntani=3\r\n[setei] x ]\r\ntani=4\r\n"},
    {"mixed case", "[SeTeI]\r\nTaNi=1\r\nDRIVENAM=q\r\n[SAIDBAR]\r\nENGRF=1\r\n"},
    {"NULs", "[setei]\r\ntani=1\0zz\r\nsyur\0ui=1\r\n[saidbar\0x]\r\niti=2\r\n"s},
    {"long lines", "[setei]\r\ndrivenam=" + std::string(100'000, 'L') + "\r\nbarhyoj=" + std::string(2048, '9') +
                       "\r\n[mine]\r\n" + std::string(3000, 'k') + "=v\r\n[saidbar]\r\niti=2\r\n"},
    {"non-ASCII", "[setei]\r\ndrivenam=\xE3\x81\x82\r\n[\xE8\xA8\xAD]\r\ntani=1\r\n"},
    {"UTF-16", Utf16("[setei]\r\ntani=1\r\ndrivenam=F\r\n[saidbar]\r\niti=2\r\n", "\xFF\xFE")},
    {"UTF-16 without a mark", Utf16("[setei]\r\ntani=1\r\n", "")},
    {"binary", "\x01\x02[\xFF\xFE]\x80=\x81\r\n\0\0\0[setei]\0tani=1\r\n"s},
};

const std::pair<std::string, std::string> kKeys[] = {
    {"setei", "drivenam"}, {"setei", "tani"},    {"setei", "syurui"}, {"setei", "barhyoj"}, {"keikoku", "tenm6"},
    {"color", "aki"},      {"saidbar", "iti"},   {"saidbar", "enGrf"}, {"setei", "#tani"},  {"setei", ";tani"},
    {"mine", std::string(3000, 'k')},           {"added", "new"},
};

std::wstring Widen(std::string_view text, UINT codePage = CP_UTF8) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    return wide;
}

// What a reader finds through the system: the sections' lines and the keys' values.
std::vector<std::wstring> SystemView(const std::wstring& path) {
    std::vector<wchar_t> names(1 << 16);
    std::vector<wchar_t> lines(1 << 18);
    GetPrivateProfileSectionNamesW(names.data(), static_cast<DWORD>(names.size()), path.c_str());
    std::vector<std::wstring> view;
    for (const wchar_t* name = names.data(); *name; name += wcslen(name) + 1) {
        view.push_back(L"[" + std::wstring(name) + L"]");
        GetPrivateProfileSectionW(name, lines.data(), static_cast<DWORD>(lines.size()), path.c_str());
        for (const wchar_t* line = lines.data(); *line; line += wcslen(line) + 1) view.emplace_back(line);
    }
    for (const auto& [section, key] : kKeys) {
        const DWORD length = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"<missing>",
                                                      lines.data(), kMaxProfileStringLength + 1, path.c_str());
        view.emplace_back(lines.data(), length);
    }
    return view;
}

// Wine's rewrite drops blank lines and respaces every line, so the bytes of
// an update differ by design; what a reader finds must not.
TEST(IniOracle, CoreReadsAndUpdatesAsTheProfileFunctionsDo) {
    testing::ScratchFolder folder(L"ini-oracle");
    for (const auto& [name, bytes] : kCorpus) {
        // A name of its own for each file: the system caches what it read.
        const std::wstring ours = folder.File(Widen(name) + L" ours.ini"), theirs = folder.File(Widen(name) + L".ini");
        testing::WriteFileBytes(theirs, bytes);
        const std::vector<std::wstring> system = SystemView(theirs);
        IniDocument document = IniDocument::Parse(bytes);
        const UINT codePage = DecodeIniText(bytes).encoding == IniEncoding::Utf16Le ? CP_UTF8 : CP_ACP;
        for (size_t k = 0; k < std::size(kKeys); ++k) {
            const auto value = document.Value(kKeys[k].first, kKeys[k].second);
            EXPECT_EQ(value ? Widen(ProfileStringOrDefault(value, ""), codePage) : L"<missing>",
                      system[system.size() - std::size(kKeys) + k])
                << name << ": " << kKeys[k].second.substr(0, 20);
        }
        for (const auto& [section, key] : kKeys) {
            document.SetValue(section, key, "7");
            ASSERT_TRUE(WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), L"7", theirs.c_str()));
        }
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, theirs.c_str());  // flush the system's cache
        testing::WriteFileBytes(ours, document.Serialize());
        EXPECT_EQ(SystemView(ours), SystemView(theirs)) << name;
    }
}

}  // namespace
}  // namespace kuvano
