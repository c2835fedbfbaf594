#include "support/ini_corpus.h"

namespace kuvano::testing {
namespace {

using namespace std::string_literals;

std::string Utf16Le(std::string_view ascii, bool withMark) {
    std::string bytes = withMark ? "\xFF\xFE" : "";
    for (char c : ascii) bytes += {c, '\0'};
    return bytes;
}

std::string Utf16Be(std::string_view ascii) {
    std::string bytes = "\xFE\xFF";
    for (char c : ascii) bytes += {'\0', c};
    return bytes;
}

}  // namespace

std::vector<IniCorpusFile> TrickyIniFiles() {
    const std::string typical =
        "[setei]\r\ndrivenam=D\r\ntani=1\r\nsyurui=0\r\nbarhyoj=1\r\n[keikoku]\r\ntenm1=0\r\ntenm2=0\r\ntenm3=1\r\n"
        "tenm4=5\r\ntenm5=0\r\ntenm6=0\r\n[color]\r\naki=255\r\n[taskbar]\r\nhidari=1\r\n[saidbar]\r\niti=4\r\nenGrf="
        "1\r\n";
    return {
        {"empty", ""},
        {"blank lines only", "\r\n\r\n  \r\n"},
        {"typical", typical},
        {"typical with LF", "[setei]\ntani=1\nsyurui=0\n[saidbar]\niti=4\n"},
        {"no final newline", "[setei]\r\ntani=1\r\n[saidbar]\r\niti=4"},
        {"blanks around names and =", "  [setei]  \r\n\t tani \t=\t 1 \t\r\n syurui=  0\r\n[ saidbar ]\r\niti =4\r\n"},
        {"quoted values",
         "[setei]\r\ndrivenam=\"E\"\r\ntani='1'\r\nsyurui=\"0'\r\nbarhyoj=\"\r\n[color]\r\naki=\"\"\r\n"},
        {"comments",
         "; head\r\n[setei]\r\n;tani=1\r\n  ; indented\r\ntani=2 ; not a comment\r\n[color] ; after "
         "header\r\naki=1\r\n"},
        {"hash lines", "[setei]\r\n#tani=1\r\ntani=2\r\n# [saidbar]\r\n"},
        {"duplicate sections and keys",
         "[setei]\r\ntani=1\r\ntani=2\r\n[saidbar]\r\niti=1\r\n[SETEI]\r\nsyurui=0\r\ntani=3\r\n"},
        {"lines without =", "[setei]\r\ntani\r\nsyurui\r\njust text\r\n[saidbar]\r\niti=1\r\n"},
        {"empty values", "[setei]\r\ndrivenam=\r\ntani=\r\n[saidbar]\r\nenGrf=\r\n"},
        {"keys before any section", "tani=1\r\niti=2\r\n[setei]\r\nsyurui=1\r\n"},
        {"odd headers", "[setei\r\ntani=1\r\n[]\r\ntani=2\r\n[setei]]\r\ntani=3\r\n[setei] x ]\r\ntani=4\r\n"},
        {"mixed case", "[SeTeI]\r\nTaNi=1\r\nDRIVENAM=q\r\n[SAIDBAR]\r\nENGRF=1\r\n"},
        {"control blanks", "[setei]\r\n\vtani=1\f\x1A\r\n\x1A\r\nsyurui=\t0\r\n"},
        {"lone CR", "[setei]\rtani=1\r\nsyurui=1\rbarhyoj=0\r\n"},
        {"NUL in value and name", "[setei]\r\ntani=1\0zz\r\nsyur\0ui=1\r\n[saidbar\0x]\r\niti=2\r\n"s},
        {"very long lines", "[setei]\r\ndrivenam=" + std::string(100'000, 'L') +
                                "\r\nbarhyoj=" + std::string(2047, '9') + "\r\n[mine]\r\n" + std::string(3000, 'k') +
                                "=v\r\n[saidbar]\r\niti=2\r\n"},
        {"value of 2048 characters", "[setei]\r\ndrivenam=" + std::string(2048, 'x') + "\r\n"},
        {"non-ASCII bytes", "[setei]\r\ndrivenam=\xE3\x81\x82\r\n[\xE8\xA8\xAD\xE5\xAE\x9A]\r\ntani=1\r\n"},
        {"UTF-16 with its mark", Utf16Le("[setei]\r\ntani=1\r\ndrivenam=F\r\n[saidbar]\r\niti=2\r\n", true)},
        {"UTF-16 without a mark", Utf16Le("[setei]\r\ntani=1\r\n", false)},
        {"binary", "\x01\x02[\xFF\xFE]\x80=\x81\r\n\0\0\0[setei]\0tani=1\r\n"s},
    };
}

// Where Windows and Wine part ways, the core follows Windows.
std::vector<IniCorpusFile> FilesWhoseMarkOnlyWineReads() {
    return {
        {"UTF-8 with its mark", "\xEF\xBB\xBF[setei]\r\ntani=1\r\n[saidbar]\r\niti=2\r\n"},
        {"UTF-16 big-endian", Utf16Be("[setei]\r\ntani=1\r\n")},
    };
}

}  // namespace kuvano::testing
