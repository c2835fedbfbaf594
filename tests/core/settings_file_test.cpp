#include "core/settings_file.h"

#include <gtest/gtest.h>

#include "core/profile_values.h"
#include "support/fake_file_store.h"

// A row names only the fields it expects away from their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace kuvano {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using testing::FakeFileStore;

const std::u16string kPath = u"C:\\Tools\\Kuvano.ini";

TEST(ParseProfileInteger, ReadsSigned32BitDecimalAndHexadecimalOnly) {
    const std::pair<std::string_view, int32_t> read[] = {
        {"0", 0},
        {"-5", -5},
        {"+5", 5},
        {"09", 9},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"0X1f", 31},
        {"0x09aAfF", 0x09AAFF},
        {"0xFFFFFFFF", -1},
        {"0x0000000000000001", 1},
    };
    for (const auto& [text, value] : read) EXPECT_EQ(ParseProfileInteger(text), value) << text;
    // No digits, blanks, a sign out of place, each side of the digit and letter ranges, a NUL; beyond 32 bits.
    const std::string_view refused[] = {"",     "-",     "+",   "--1", "+-1", "12a", " 1",  "1 ",  "/",   ":",    "0x",
                                        "0x-1", "-0x10", "1.5", "0x@", "0xG", "0x`", "0xg", "0x/", "0x:", "1\0"sv};
    for (const std::string_view text : refused) EXPECT_EQ(ParseProfileInteger(text), std::nullopt) << text;
    for (const std::string_view text : {"2147483648", "-2147483649", "99999999999999999999999", "0x100000000"})
        EXPECT_EQ(ParseProfileInteger(text), std::nullopt) << text;
}

// Each key by its value rule; a missing or unreadable value leaves the default. The
// key of each field and a number kept as read, known or not, are the round trip's.
TEST(LoadSettings, ReadsEachKeyByItsValueRule) {
    const std::pair<std::string, Settings> cases[] = {
        {"[saidbar]\r\nenGrf=0x1\r\n[taskbar]\r\nhidari=-1\r\n", {.gaugeStyle = GaugeStyle::Pies}},
        {"[saidbar]\r\nenGrf=true\r\n[taskbar]\r\nhidari=false\r\n", {}},
        {"[setei]\r\ntani=abc\r\nsyurui=2147483648\r\nbarhyoj=\r\n[keikoku]\r\ntenm6=-99999999999\r\n", {}},
        {"[setei]\r\ndrivenam=\r\n", {.trayDrive = ""}},
        {"[setei]\r\ndrivenam=" + std::string(100'000, 'D') + "\r\n", {.trayDrive = std::string(2047, 'D')}},
        {"tani=1\r\n[tani]\r\nsetei=1\r\n[setei]\r\n", {}},
        {"\x80\xFF[\x01]\r\n=\r\n[\r\n]\r\n"s + std::string(4096, '\0'), {}},
    };
    for (const auto& [file, loaded] : cases) {
        FakeFileStore store;
        store.files[kPath] = file;
        EXPECT_EQ(LoadSettings(store, kPath), loaded) << file.substr(0, 80);
    }
    FakeFileStore store;
    EXPECT_EQ(LoadSettings(store, kPath), Settings{}) << "no file";
    store.files[kPath] = "[setei]\r\ntani=1\r\n";
    store.failReads = true;
    EXPECT_EQ(LoadSettings(store, kPath), Settings{}) << "unreadable";
}

// The file a first run writes, byte for byte.
TEST(SaveSettings, WritesTheDefaultsInTheirOrderIntoANewFile) {
    FakeFileStore store;
    ASSERT_FALSE(SaveSettings(Settings{}, store, kPath).has_value());
    EXPECT_EQ(store.files[kPath],
              "[setei]\r\ndrivenam=C\r\ntani=3\r\nsyurui=2\r\nbarhyoj=1\r\n[keikoku]\r\ntenm1=0\r\ntenm2=0\r\n"
              "tenm3=0\r\ntenm4=0\r\ntenm5=0\r\ntenm6=0\r\n[color]\r\naki=12632256\r\n[taskbar]\r\nhidari=1\r\n"
              "[saidbar]\r\niti=3\r\nenGrf=0\r\n");
}

// Every field, named or not, comes back; what the user wrote stays; an unchanged save writes nothing.
TEST(SaveSettings, RoundTripsEveryFieldKeepsAllElseAndWritesNothingUnchanged) {
    Settings saved{"Z",   DisplayUnit{-1},     TrayPictureKind{5}, 0, {9, 8, 7, 6, 5, 4}, INT32_MIN,
                   false, SidebarEdge::Bottom, GaugeStyle::Pies,   false};
    const std::string mine = "; by hand\r\n\r\n[mine]\r\ntani = 9\r\n\r\n[saidbar]\r\n";
    FakeFileStore store;
    store.files[kPath] = mine + "iti=1\r\n\r\n[o]\r\n";
    ASSERT_FALSE(SaveSettings(saved, store, kPath).has_value());
    EXPECT_TRUE(store.files[kPath].starts_with(mine + "iti=2\r\nenGrf=1\r\n\r\n[o]\r\n")) << store.files[kPath];
    EXPECT_EQ(LoadSettings(store, kPath), saved);
    EXPECT_FALSE(SaveSettings(saved, store, kPath).has_value());
    EXPECT_EQ(store.replaceCount, 1);
    saved.notifyLowSpace = true;  // the default, written once the key is in the file
    ASSERT_FALSE(SaveSettings(saved, store, kPath).has_value());
    EXPECT_NE(store.files[kPath].find("tenm6=4\r\ntuuti=1\r\n"), std::string::npos) << store.files[kPath];
}

TEST(SaveSettings, AFailedReadOrWriteIsReportedAndTheFileKept) {
    for (const bool failReads : {false, true}) {
        FakeFileStore store;
        store.files[kPath] = "[mine]\r\nprecious=1\r\n";
        store.failReads = failReads;
        store.failReplaces = !failReads;
        EXPECT_EQ(SaveSettings(Settings{}, store, kPath).value_or(SettingsWriteError{}).path, kPath);
        EXPECT_EQ(store.files[kPath], "[mine]\r\nprecious=1\r\n");
        EXPECT_EQ(store.replaceCount, failReads ? 0 : 1) << "a file that could not be read is never overwritten";
    }
}

TEST(FileBesideProgram, ReplacesOrAddsTheExtensionOfTheNameOnly) {
    EXPECT_EQ(FileBesideProgram(u"C:\\my.d\\a.b.exe", u".ini"), u"C:\\my.d\\a.b.ini");
    EXPECT_EQ(FileBesideProgram(u"C:my.d\\K", u".surveys"), u"C:my.d\\K.surveys");
    EXPECT_EQ(FileBesideProgram(u"C:.exe", u".ini"), u"C:.ini");
}

}  // namespace
}  // namespace kuvano
