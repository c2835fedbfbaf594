// The kind of a folder's volume, decided from what the system answers.
#include "platform/volume_kind_decision.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace kuvano {
namespace {

// One machine: C: a solid-state disk, D: a spinning one, E: and F: disks
// that cannot say, S: a subst of C:\Projects, M: a mapped share. A path a
// decision should never ask about answers what would make its kind wrong.
struct Machine final : VolumeProbe {
    std::optional<std::u16string> ResolvedPath(const std::u16string& folder) const override {
        static const std::map<std::u16string, std::optional<std::u16string>> resolved = {
            {u"C:\\Users\\aiko", u"\\\\?\\C:\\Users\\aiko"},
            {u"D:\\Media", u"\\\\?\\D:\\Media"},
            {u"E:\\Data", u"\\\\?\\E:\\Data"},
            {u"\\\\server\\share\\dir", std::nullopt},  // the server is gone
            {u"\\\\?\\UNC\\server\\share\\dir", u"\\\\?\\UNC\\server\\share\\dir"},
            {u"M:\\Docs", std::nullopt},
            {u"z:\\Net", std::nullopt},
            {u"S:\\work", u"\\\\?\\C:\\Projects\\work"},
            {u"C:\\Archive", u"\\\\?\\D:\\Archive"},  // a junction to D:
            {u"F:\\Old", std::nullopt},
        };
        return resolved.at(folder);
    }
    bool IsRemoteLetter(char16_t letter) const override { return letter == u'M' || letter == u'Z'; }
    std::optional<bool> SeekPenalty(const std::u16string& path) const override {
        static const std::map<std::u16string, std::optional<bool>> answers = {
            {u"\\\\?\\C:\\Users\\aiko", false},
            {u"\\\\?\\D:\\Media", true},
            {u"\\\\?\\E:\\Data", std::nullopt},
            {u"\\\\?\\C:\\Projects\\work", false},
            {u"\\\\?\\D:\\Archive", true},
            {u"F:\\Old", true},
            // Never to be asked:
            {u"\\\\server\\share\\dir", false},
            {u"\\\\?\\UNC\\server\\share\\dir", false},
            {u"M:\\Docs", false},
            {u"z:\\Net", false},
            {u"S:\\work", std::nullopt},
            {u"C:\\Archive", false},
        };
        return answers.at(path);
    }
};

TEST(VolumeKindDecision, GoesByTheVolumeTheFolderResolvesTo) {
    const struct {
        const char16_t* folder;
        VolumeKind kind;
    } rows[] = {
        {u"C:\\Users\\aiko", VolumeKind::SolidState},
        {u"D:\\Media", VolumeKind::Spinning},
        {u"E:\\Data", VolumeKind::Unknown},
        {u"\\\\server\\share\\dir", VolumeKind::Network},
        {u"\\\\?\\UNC\\server\\share\\dir", VolumeKind::Network},
        {u"M:\\Docs", VolumeKind::Network},
        {u"z:\\Net", VolumeKind::Network},      // the last letter, in lower case
        {u"S:\\work", VolumeKind::SolidState},  // its own query fails
        {u"C:\\Archive", VolumeKind::Spinning},
        {u"F:\\Old", VolumeKind::Spinning},  // not resolved: asked as given
    };
    const Machine machine;
    for (const auto& row : rows) {
        EXPECT_EQ(DecideVolumeKind(row.folder, machine), row.kind)
            << ::testing::PrintToString(std::u16string(row.folder));
    }
}

}  // namespace
}  // namespace kuvano
