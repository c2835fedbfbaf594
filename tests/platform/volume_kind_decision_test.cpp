// The kind of a folder's volume, decided from what the system answers.
#include "platform/volume_kind_decision.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kuvano {
namespace {

struct Row {
    std::u16string folder;
    std::optional<std::u16string> resolved;  // nothing: it cannot be opened
    char16_t remoteLetter;
    std::optional<bool> seekPenalty;  // of the path the decision must ask: resolved, else as given
    VolumeKind kind;
};

// The system as one row has it. A path the decision should not ask about
// answers what would make its kind wrong.
struct OneFolder final : VolumeProbe {
    explicit OneFolder(const Row& given) : row(given) {}
    std::optional<std::u16string> ResolvedPath(const std::u16string&) const override { return row.resolved; }
    bool IsRemoteLetter(char16_t letter) const override { return letter == row.remoteLetter; }
    std::optional<bool> SeekPenalty(const std::u16string& path) const override {
        if (path == row.resolved.value_or(row.folder)) return row.seekPenalty;
        return row.kind != VolumeKind::Spinning;
    }
    const Row& row;
};

TEST(VolumeKindDecision, GoesByTheVolumeTheFolderResolvesTo) {
    using enum VolumeKind;
    const Row rows[] = {
        {u"C:\\Users\\aiko", u"\\\\?\\C:\\Users\\aiko", 0, false, SolidState},
        {u"D:\\Media", u"\\\\?\\D:\\Media", 0, true, Spinning},
        {u"E:\\Data", u"\\\\?\\E:\\Data", 0, std::nullopt, Unknown},
        // Network paths are never asked for a seek penalty: false would make them solid-state.
        {u"\\\\server\\share\\dir", std::nullopt, 0, false, Network},  // the server is gone
        {u"\\\\?\\UNC\\server\\share\\dir", u"\\\\?\\UNC\\server\\share\\dir", 0, false, Network},
        {u"M:\\Docs", std::nullopt, u'M', false, Network},                  // a mapped letter
        {u"z:\\Net", std::nullopt, u'Z', false, Network},                   // the last letter, in lower case
        {u"S:\\work", u"\\\\?\\C:\\Projects\\work", 0, false, SolidState},  // a subst of C:
        {u"C:\\Archive", u"\\\\?\\D:\\Archive", 0, true, Spinning},         // a junction to D:
        {u"F:\\Old", std::nullopt, 0, true, Spinning},                      // not resolved: asked as given
    };
    for (const Row& row : rows) {
        EXPECT_EQ(DecideVolumeKind(row.folder, OneFolder(row)), row.kind) << ::testing::PrintToString(row.folder);
    }
}

}  // namespace
}  // namespace kuvano
