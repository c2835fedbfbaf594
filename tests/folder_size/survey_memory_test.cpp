#include "folder_size/survey_memory.h"

#include <gtest/gtest.h>

#include "folder_size/survey_file.h"
#include "platform/failure_report.h"
#include "platform/ordinal_collation.h"
#include "support/fake_file_store.h"
#include "support/fixed_clock.h"

namespace kuvano {
namespace {

using Texts = std::vector<std::u16string>;
const std::u16string kPath = u"C:\\Kuvano\\Kuvano.surveys";

class SurveyMemoryTest : public ::testing::Test {
protected:
    // The base folders in the file, oldest first.
    Texts Kept() const {
        Texts folders;
        const auto records = DecodeSurveys(store.files.at(kPath));
        for (const SurveyRecord& record : records.value()) folders.push_back(record.baseFolder);
        return folders;
    }

    testing::FakeFileStore store;
    testing::FixedClock clock;
    OrdinalCollation collation;
    SurveyMemory memory{store, kPath, collation, clock};
};

// Texts of every script, an unpaired surrogate and a path past the old
// 260-character bound, bytes and counts at their edges.
std::vector<SurveyRecord> SmallRecords() {
    return {{.baseFolder = u"C:\\写真", .endedAt = -1, .rows = {{.folder = u"C:\\写真\\😀 Ωmega", .bytes = INT64_MAX},
                                                                {.folder = std::u16string(300, u'x') + char16_t{0xD800},
                                                                 .entries = 1}}},
            {.baseFolder = u"D:", .endedAt = INT64_MAX, .rows = {}}};
}

// Random bytes are the fuzz target's.
TEST(SurveyFile, ReadsBackExactlyAndTrustsNoTruncatedOrChangedByte) {
    const std::string file = EncodeSurveys(SmallRecords());
    EXPECT_EQ(DecodeSurveys(file), SmallRecords());
    const std::vector<SurveyRecord> longest{{.baseFolder = std::u16string(32'767, u'長'), .rows = {{.folder = u"a"}}}};
    EXPECT_EQ(DecodeSurveys(EncodeSurveys(longest)), longest);
    for (size_t size = 0; size < file.size(); ++size) EXPECT_EQ(DecodeSurveys(file.substr(0, size)), std::nullopt) << size;
    for (size_t i = 0; i < file.size(); ++i) {
        std::string changed = file;
        changed[i] = static_cast<char>(changed[i] ^ 0x10);
        EXPECT_EQ(DecodeSurveys(changed), std::nullopt) << i;
    }
}

TEST_F(SurveyMemoryTest, KeepsTheNewestSurveysOfThirtyTwoFoldersWithinTwoHundredThousandRows) {
    struct Case {
        std::vector<std::pair<std::u16string, size_t>> surveys;  // base folder, rows
        Texts kept;
    };
    Case many;
    for (char16_t name = u'A'; name <= u'A' + 32; ++name) many.surveys.emplace_back(std::u16string(1, name), 1);
    for (const auto& [folder, rows] : many.surveys) many.kept.push_back(folder);
    many.kept.erase(many.kept.begin());
    const Case cases[] = {
        many,
        {{{u"A", 150'000}, {u"B", 50'000}, {u"C", 1}}, {u"B", u"C"}},
        {{{u"A", 1}, {u"B", 200'001}}, {u"A"}},  // beyond the bound alone: the one before stays
        {{{u"A", 1}, {u"B", 1}, {u"a", 2}}, {u"B", u"a"}},
    };
    for (const Case& c : cases) {
        store.files.clear();
        SurveyMemory fresh{store, kPath, collation, clock};
        for (const auto& [folder, rows] : c.surveys) fresh.Remember(folder, std::vector<SurveyRow>(rows));
        EXPECT_EQ(Kept(), c.kept) << c.surveys.size();
    }
}

// Only the comparison is ever lost, and never silently.
TEST_F(SurveyMemoryTest, AFileThatCannotBeTrustedIsReportedReplacedAndNeverWrittenOverUnread) {
    const long long failures = FailureCount();
    store.failReads = true;
    EXPECT_EQ(memory.Previous(u"C:\\写真"), nullptr);
    memory.Remember(u"E:", {});
    EXPECT_EQ(store.replaceCount, 0) << "a file that could not be read is kept as it is";
    store.failReads = false;
    store.files[kPath] = EncodeSurveys(SmallRecords()).substr(1);
    EXPECT_EQ(memory.Previous(u"C:\\写真"), nullptr);
    memory.Remember(u"E:", {});
    EXPECT_EQ(Kept(), Texts{u"E:"}) << "the damaged file was replaced";
    store.failReplaces = true;
    memory.Remember(u"F:", {});
    EXPECT_NE(memory.Previous(u"F:"), nullptr) << "kept while the program runs";
    EXPECT_EQ(FailureCount(), failures + 5);
}

}  // namespace
}  // namespace kuvano
