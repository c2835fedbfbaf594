// libFuzzer target: a tree decoded from the input (Windows directory names in
// any case, sizes up to 2^64-1, hidden, system, folder and link attributes,
// listings that fail part way) is surveyed by one worker and stopped at a chosen entry;
// the rows, total, levels and order must agree with a recount of the tree
// (see Decode, main). Sorting by column is checked by the unit tests.
#include <algorithm>
#include <cstdlib>
#include <functional>

#include "folder_size/folder_survey.h"
#include "platform/ordinal_collation.h"
#include "support/entry_hook_lister.h"
#include "support/fake_directory_lister.h"
#include "support/fixed_seek_penalty.h"

namespace kuvano {
namespace {

const std::u16string kBase = u"B:\\Base";
const std::u16string kNames[] = {u"a", u"A", u"Windows", u"wINDOWS", u"windows.old", u"日本語", u"😀"};

struct Input {
    const uint8_t* data;
    size_t size;
    uint8_t Byte() { return size == 0 ? uint8_t{0} : (--size, *data++); }  // zeros past the end
    uint64_t Size() {
        const uint8_t kind = Byte();
        const uint64_t sizes[] = {Byte(), Byte() * 1'048'576ull, uint64_t{INT64_MAX} - Byte(), UINT64_MAX - Byte()};
        return sizes[kind % 4];
    }
};

// Per folder: a byte of entry count, one of listing end (0 normal, else an
// error after 1..32 entries); per entry: kind (attribute bits, 0x08 a link,
// 0x40 not listable), name, size class and value, then a listable folder's own.
void Decode(Input& input, testing::FakeDirectoryLister& tree, const std::u16string& path, int depth) {
    tree.folders[path];
    const int count = input.Byte() % 9;
    if (const uint8_t end = input.Byte()) tree.failAfter[path] = {size_t{1} + (end & 0x1Fu), 5u + (end >> 5)};
    for (int i = 0; i < count; ++i) {
        const uint8_t kind = input.Byte();
        const std::u16string name = kNames[input.Byte() % std::size(kNames)];
        tree.AddFile(path, name, input.Size(), (kind & 0x37u) | (kind & 0x08 ? kAttributeReparsePoint : 0));
        if ((kind & 0x50) == kAttributeDirectory && depth < 3) Decode(input, tree, path + u"\\" + name, depth + 1);
    }
}

// The survey worked out on the tree itself: the base folder listed, then each
// plain first-level subfolder counted breadth first below it until a listing
// fails, links counted and never entered, sums held at INT64_MAX. The stop
// comes before the chosen listed entry, dots included, and no subfolder
// starts after it.
struct Model {
    const testing::FakeDirectoryLister& tree;
    size_t stopAt;
    std::vector<SurveyRow> rows;
    size_t pumps = 0;
    OrdinalCollation collation;

    std::vector<DirectoryEntry> Listing(const std::u16string& folder) const {
        if (!tree.folders.contains(folder)) return {};
        std::vector<DirectoryEntry> listed{{.name = u"."}, {.name = u".."}};
        for (const DirectoryEntry& entry : tree.folders.at(folder)) listed.push_back(entry);
        if (tree.failAfter.contains(folder)) listed.resize(std::min(listed.size(), tree.failAfter.at(folder).first));
        return listed;
    }
    bool Pump() { return ++pumps < stopAt || stopAt == 0; }
    void Survey() {
        std::vector<DirectoryEntry> subfolders;
        for (const DirectoryEntry& entry : Listing(kBase)) {
            if (!Pump()) return;
            const std::u16string folder = kBase + u"\\" + entry.name;
            if (entry.name == u"." || entry.name == u".." || (entry.attributes & 0x16) != kAttributeDirectory ||
                collation.EqualIgnoringCase(folder, kBase + u"\\Windows")) {
                continue;
            }
            subfolders.push_back(entry);
        }
        for (const DirectoryEntry& entry : subfolders) {
            if (stopAt != 0 && pumps >= stopAt) break;
            rows.push_back(Measure(kBase + u"\\" + entry.name, entry.attributes & kAttributeReparsePoint));
        }
        std::ranges::stable_sort(rows, std::greater{}, [](const SurveyRow& row) { return row.bytes / 1'048'576; });
    }
    SurveyRow Measure(const std::u16string& folder, bool link) {
        uint64_t bytes = 0;
        SurveyRow row{.folder = folder};
        std::vector<std::u16string> queue{folder};
        for (size_t i = 0; i < queue.size() && !link; ++i) {
            for (const DirectoryEntry& entry : Listing(queue[i])) {
                if (!Pump()) return row.bytes = static_cast<int64_t>(std::min<uint64_t>(bytes, INT64_MAX)), row;
                if (entry.name == u"." || entry.name == u"..") continue;
                bytes = entry.size > UINT64_MAX - bytes ? UINT64_MAX : bytes + entry.size;
                ++row.entries;
                if ((entry.attributes & (kAttributeDirectory | kAttributeReparsePoint)) == kAttributeDirectory) {
                    queue.push_back(queue[i] + u"\\" + entry.name);
                }
            }
            if (tree.failAfter.contains(queue[i])) break;
        }
        row.bytes = static_cast<int64_t>(std::min<uint64_t>(bytes, INT64_MAX));
        return row;
    }
};

void Check(const FolderSurvey& survey, const std::vector<SurveyRow>& expected) {
    const auto same = [](const SurveyRow& a, const SurveyRow& b) {
        return a.folder == b.folder && a.bytes == b.bytes && a.entries == b.entries;
    };
    int64_t total = 0;
    for (const SurveyRow& row : survey.Rows()) total = row.bytes > INT64_MAX - total ? INT64_MAX : total + row.bytes;
    bool holds = std::ranges::equal(survey.Rows(), expected, same) && survey.TotalBytes() == total;
    for (const SurveyRow& row : survey.Rows()) {
        holds = holds && row.level >= 0 && row.level <= 13 && (total != 0 || row.level == 0);
        for (const SurveyRow& other : survey.Rows())
            holds = holds && (row.bytes <= other.bytes || row.level >= other.level);
    }
    if (!holds) std::abort();  // a crash, so that libFuzzer keeps the input
}

}  // namespace
}  // namespace kuvano

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kuvano;
    Input input{data, size};
    testing::FakeDirectoryLister tree;
    Decode(input, tree, kBase, 0);
    Model model{.tree = tree, .stopAt = input.Byte()};
    const testing::FixedSeekPenalty oneWorker(true);
    testing::EntryHookLister hooked(tree);
    FolderSurvey survey(hooked, kBase + u"\\Windows", model.collation, oneWorker, nullptr);
    size_t entries = 0;
    hooked.OnEntry = [&](const std::u16string&) {
        if (++entries == model.stopAt) survey.Cancel();
    };
    survey.Run(kBase);
    model.Survey();
    Check(survey, model.rows);
    return 0;
}
