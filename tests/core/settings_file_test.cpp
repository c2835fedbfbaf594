#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <random>

#include "support/fake_file_store.h"

namespace kuvano {
namespace {

using namespace std::string_literals;
using testing::FakeFileStore;

const std::u16string kPath = u"C:\\Tools\\Kuvano.ini";

constexpr std::string_view kDefaultFile =
    "[setei]\r\n"
    "drivenam=C\r\n"
    "tani=3\r\n"
    "syurui=2\r\n"
    "barhyoj=1\r\n"
    "[keikoku]\r\n"
    "tenm1=0\r\n"
    "tenm2=0\r\n"
    "tenm3=0\r\n"
    "tenm4=0\r\n"
    "tenm5=0\r\n"
    "tenm6=0\r\n"
    "[color]\r\n"
    "aki=12632256\r\n"
    "[taskbar]\r\n"
    "hidari=1\r\n"
    "[saidbar]\r\n"
    "iti=3\r\n"
    "enGrf=0\r\n";

Settings LoadFrom(const std::string& file) {
    FakeFileStore store;
    store.files[kPath] = file;
    return LoadSettings(store, kPath);
}

void ExpectDefaults(const Settings& s) {
    EXPECT_EQ(s.drivenam, "C");
    EXPECT_EQ(s.tani, 3);
    EXPECT_EQ(s.syurui, 2);
    EXPECT_EQ(s.barhyoj, 1);
    EXPECT_EQ(s.tenm1 + s.tenm2 + s.tenm3 + s.tenm4 + s.tenm5, 0);
    EXPECT_EQ(s.tenm6, 0);
    EXPECT_EQ(s.aki, 0xC0C0C0);
    EXPECT_TRUE(s.hidari);
    EXPECT_EQ(s.iti, 3);
    EXPECT_FALSE(s.enGrf);
    EXPECT_EQ(s.GaugeWidth, 8);
}

TEST(SettingsFileName, ReplacesOrAddsTheExtension) {
    struct Case {
        std::u16string_view program;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {u"C:\\Tools\\Kuvano.exe", u"C:\\Tools\\Kuvano.ini"},
        {u"C:\\Tools\\Other.exe", u"C:\\Tools\\Other.ini"},
        {u"C:\\Tools\\Kuvano", u"C:\\Tools\\Kuvano.ini"},
        {u"C:\\my.tools\\Kuvano", u"C:\\my.tools\\Kuvano.ini"},
        {u"C:\\Tools\\a.b.exe", u"C:\\Tools\\a.b.ini"},
        {u"C:Kuvano.exe", u"C:Kuvano.ini"},
        {u"C:.exe", u"C:.ini"},
        {u"\\\\server\\share\\Kuvano.exe", u"\\\\server\\share\\Kuvano.ini"},
        {u"C:\\ツール\\クヴァノ.exe", u"C:\\ツール\\クヴァノ.ini"},
    };
    for (const Case& c : cases) EXPECT_EQ(SettingsFileName(c.program), c.expected);
}

TEST(LoadSettings, GivesTheDefaultsWithoutAFile) {
    FakeFileStore store;
    ExpectDefaults(LoadSettings(store, kPath));
    store.failReads = true;
    ExpectDefaults(LoadSettings(store, kPath));
    ExpectDefaults(LoadFrom(""));
}

TEST(LoadSettings, ReadsEveryField) {
    const Settings s = LoadFrom(
        "[setei]\r\ndrivenam=E\r\ntani=1\r\nsyurui=0\r\nbarhyoj=0\r\n"
        "[keikoku]\r\ntenm1=1\r\ntenm2=2\r\ntenm3=3\r\ntenm4=4\r\ntenm5=5\r\ntenm6=6\r\n"
        "[color]\r\naki=255\r\n[taskbar]\r\nhidari=0\r\n[saidbar]\r\niti=4\r\nenGrf=1\r\n");
    EXPECT_EQ(s.drivenam, "E");
    EXPECT_EQ(s.tani, 1);
    EXPECT_EQ(s.syurui, 0);
    EXPECT_EQ(s.barhyoj, 0);
    EXPECT_EQ((std::array{s.tenm1, s.tenm2, s.tenm3, s.tenm4, s.tenm5, s.tenm6}), (std::array{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.aki, 255);
    EXPECT_FALSE(s.hidari);
    EXPECT_EQ(s.iti, 4);
    EXPECT_TRUE(s.enGrf);
    EXPECT_EQ(s.GaugeWidth, 32);
}

TEST(LoadSettings, DecodesOddValuesByTheValueRules) {
    EXPECT_TRUE(LoadFrom("[saidbar]\r\nenGrf=0x1\r\n").enGrf);
    EXPECT_EQ(LoadFrom("[saidbar]\r\nenGrf=0x1\r\n").GaugeWidth, 32);
    EXPECT_FALSE(LoadFrom("[saidbar]\r\nenGrf=true\r\n").enGrf);
    EXPECT_EQ(LoadFrom("[setei]\r\ntani=abc\r\n").tani, 3);
    EXPECT_EQ(LoadFrom("[setei]\r\ntani=7\r\n").tani, 7);
    EXPECT_EQ(LoadFrom("[setei]\r\ntani=-7\r\n").tani, -7);
    EXPECT_EQ(LoadFrom("[setei]\r\ntani=4294967296\r\n").tani, 3);
    EXPECT_EQ(LoadFrom("[setei]\r\nsyurui=2147483648\r\n").syurui, 2);
    EXPECT_TRUE(LoadFrom("[taskbar]\r\nhidari=2\r\n").hidari);
    EXPECT_EQ(LoadFrom("[setei]\r\ndrivenam=\r\n").drivenam, "");
    EXPECT_EQ(LoadFrom("[setei]\r\ndrivenam=\"D\"\r\n").drivenam, "D");
    EXPECT_EQ(LoadFrom("[color]\r\naki=0xFF\r\n").aki, 255);
    EXPECT_EQ(LoadFrom("[SaidBar]\r\nITI = 1\r\n").iti, 1);
}

TEST(LoadSettings, SurvivesHostileFiles) {
    std::mt19937 random(12345);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    ExpectDefaults(LoadFrom(garbage));

    ExpectDefaults(LoadFrom(std::string(4096, '\0')));
    EXPECT_EQ(LoadFrom("[setei]\0\r\ntani=1\r\n"s).tani, 1);  // a NUL after "]" is ignored text

    // UTF-16 with its mark, as some editors save it.
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string_view("[setei]\r\ntani=1\r\n")) utf16 += {c, '\0'};
    EXPECT_EQ(LoadFrom(utf16).tani, 1);

    // A 10 MB file and a 100,000-character line.
    std::string big = "[setei]\r\ndrivenam=" + std::string(100'000, 'D') + "\r\n";
    while (big.size() < 10'000'000) big += "[filler]\r\nkey=" + std::string(1000, 'v') + "\r\n";
    big += "[saidbar]\r\niti=2\r\n";
    const Settings fromBig = LoadFrom(big);
    EXPECT_EQ(fromBig.drivenam, std::string(2047, 'D'));
    EXPECT_EQ(fromBig.iti, 2);

    ExpectDefaults(LoadFrom("[setei]\r\ntani=99999999999999999999\r\nsyurui=-99999999999\r\n"));
}

TEST(SaveSettings, WritesTheNineteenLinesIntoANewFile) {
    FakeFileStore store;
    EXPECT_FALSE(SaveSettings(Settings{}, store, kPath).has_value());
    EXPECT_EQ(store.files[kPath], kDefaultFile);
}

TEST(SaveSettings, KeepsUnknownSectionsCommentsAndBlankLines) {
    FakeFileStore store;
    store.files[kPath] =
        "; Kuvano settings, edited by hand\r\n"
        "\r\n"
        "[mine]\r\n"
        "colour = blue\r\n"
        "\r\n"
        "[setei]\r\n"
        "drivenam=D\r\n"
        "tani = 3\r\n"
        "extra=kept\r\n"
        "\r\n"
        "[saidbar]\r\n"
        "; the edge\r\n"
        "iti=1\r\n";
    Settings settings = LoadSettings(store, kPath);
    settings.iti = 4;
    ASSERT_FALSE(SaveSettings(settings, store, kPath).has_value());
    EXPECT_EQ(store.files[kPath],
              "; Kuvano settings, edited by hand\r\n"
              "\r\n"
              "[mine]\r\n"
              "colour = blue\r\n"
              "\r\n"
              "[setei]\r\n"
              "drivenam=D\r\n"
              "tani = 3\r\n"
              "extra=kept\r\n"
              "syurui=2\r\n"
              "barhyoj=1\r\n"
              "\r\n"
              "[saidbar]\r\n"
              "; the edge\r\n"
              "iti=4\r\n"
              "enGrf=0\r\n"
              "[keikoku]\r\ntenm1=0\r\ntenm2=0\r\ntenm3=0\r\ntenm4=0\r\ntenm5=0\r\ntenm6=0\r\n"
              "[color]\r\naki=12632256\r\n"
              "[taskbar]\r\nhidari=1\r\n");
}

TEST(SaveSettings, LeavesAnUpToDateFileAlone) {
    FakeFileStore store;
    store.files[kPath] = std::string(kDefaultFile);
    EXPECT_FALSE(SaveSettings(LoadSettings(store, kPath), store, kPath).has_value());
    EXPECT_EQ(store.replaceCount, 0);
}

TEST(SaveSettings, RoundTripsEveryField) {
    Settings settings;
    settings.drivenam = "Z";
    settings.tani = -1;
    settings.syurui = 5;
    settings.barhyoj = 0;
    settings.tenm3 = 9;
    settings.aki = -1;
    settings.hidari = false;
    settings.iti = 2;
    settings.enGrf = true;
    FakeFileStore store;
    ASSERT_FALSE(SaveSettings(settings, store, kPath).has_value());
    const Settings loaded = LoadSettings(store, kPath);
    EXPECT_EQ(loaded.drivenam, "Z");
    EXPECT_EQ(loaded.tani, -1);
    EXPECT_EQ(loaded.syurui, 5);
    EXPECT_EQ(loaded.barhyoj, 0);
    EXPECT_EQ(loaded.tenm3, 9);
    EXPECT_EQ(loaded.aki, -1);
    EXPECT_FALSE(loaded.hidari);
    EXPECT_EQ(loaded.iti, 2);
    EXPECT_TRUE(loaded.enGrf);
    EXPECT_EQ(loaded.GaugeWidth, 32);
}

TEST(SaveSettings, AFailedWriteIsReportedAndChangesNothing) {
    FakeFileStore store;
    store.files[kPath] = "[setei]\r\ntani=1\r\n";
    store.failReplaces = true;
    const auto error = SaveSettings(Settings{}, store, kPath);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Message(), u"C:\\Tools\\Kuvano.ini に書き込めません");
    EXPECT_EQ(store.files[kPath], "[setei]\r\ntani=1\r\n");
}

TEST(SaveSettings, RefusesToOverwriteAFileItCouldNotRead) {
    FakeFileStore store;
    store.files[kPath] = "[mine]\r\nprecious=1\r\n";
    store.failReads = true;
    EXPECT_TRUE(SaveSettings(Settings{}, store, kPath).has_value());
    EXPECT_EQ(store.replaceCount, 0);
}

}  // namespace
}  // namespace kuvano
