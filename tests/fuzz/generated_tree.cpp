#include "generated_tree.h"

#include <algorithm>
#include <array>

namespace kuvano::fuzz {
namespace {

constexpr size_t kMaxDepth = 4;
constexpr size_t kMaxEntriesPerFolder = 16;
constexpr size_t kMaxEntries = 200;
constexpr uint64_t kMiB = 1'048'576;

constexpr uint8_t kKindReparsePoint = 0x08;
constexpr uint8_t kKindUnlistable = 0x40;
constexpr uint32_t kKindAttributes =
    kAttributeReadOnly | kAttributeHidden | kAttributeSystem | kAttributeDirectory | kAttributeArchive;

// Names that differ only in letter case, name the Windows directory, or leave ASCII.
constexpr std::array<std::u16string_view, 12> kNames{u"a",    u"A",      u"b", u"Windows", u"WINDOWS", u"windows.old",
                                                     u"Data", u"日本語", u"😀", u"Ä",       u"ä",       u"x y.z"};

// Access denied, device not ready, unexpected network error, corrupt file.
constexpr std::array<uint32_t, 4> kErrors{5, 21, 59, 1392};

uint64_t DecodeSize(ByteReader& input) {
    switch (input.Byte() % 6) {
        case 0: return 0;
        case 1: return input.Byte();
        case 2: return input.Byte() * kMiB;
        case 3: return input.U64();
        case 4: return uint64_t{INT64_MAX} - input.Byte();
        default: return UINT64_MAX - input.Byte();
    }
}

class TreeDecoder {
public:
    TreeDecoder(ByteReader& input, const TextCollation& collation) : input_(input), collation_(collation) {}

    GeneratedTree Decode(const std::u16string& basePath) {
        DecodeFolder(basePath, 0);
        return std::move(tree_);
    }

private:
    void DecodeFolder(const std::u16string& path, size_t depth) {
        const size_t index = tree_.folders.size();
        tree_.folders.push_back({.path = path});
        const size_t count = input_.Byte() % (kMaxEntriesPerFolder + 1);
        if (const uint8_t end = input_.Byte(); end != 0) {
            tree_.folders[index].listed = 1 + (end & 0x1F);
            tree_.folders[index].error = kErrors[end >> 6];
        }
        for (size_t i = 0; i < count && entries_ < kMaxEntries; ++i, ++entries_) DecodeEntry(index, depth);
    }

    void DecodeEntry(size_t folder, size_t depth) {
        const uint8_t kind = input_.Byte();
        TFindData entry;
        entry.attributes = (kind & kKindAttributes) | ((kind & kKindReparsePoint) ? kAttributeReparsePoint : 0);
        entry.name = UniqueName(tree_.folders[folder], kNames[input_.Byte() % kNames.size()]);
        entry.size = DecodeSize(input_);
        const bool listable = (kind & kAttributeDirectory) && !(kind & kKindUnlistable) && depth < kMaxDepth;
        if (listable) DecodeFolder(tree_.folders[folder].path + u"\\" + entry.name, depth + 1);
        tree_.folders[folder].entries.push_back(std::move(entry));
    }

    // Names in one folder differ in more than letter case, as on the file system.
    std::u16string UniqueName(const TreeFolder& folder, std::u16string_view wanted) const {
        std::u16string name(wanted);
        const auto taken = [&](const std::u16string& candidate) {
            return std::ranges::any_of(folder.entries, [&](const TFindData& entry) {
                return collation_.EqualIgnoringCase(entry.name, candidate);
            });
        };
        for (char16_t suffix = u'1'; taken(name); ++suffix) name = std::u16string(wanted) + u"~" + suffix;
        return name;
    }

    ByteReader& input_;
    const TextCollation& collation_;
    GeneratedTree tree_;
    size_t entries_ = 0;
};

}  // namespace

const TreeFolder* GeneratedTree::Find(std::u16string_view path, const TextCollation& collation) const {
    const auto found = std::ranges::find_if(
        folders, [&](const TreeFolder& folder) { return collation.EqualIgnoringCase(folder.path, path); });
    return found == folders.end() ? nullptr : &*found;
}

std::vector<TFindData> Listing(const TreeFolder& folder) {
    std::vector<TFindData> listed(2);
    listed[0].name = u".";
    listed[1].name = u"..";
    listed[0].attributes = listed[1].attributes = kAttributeDirectory;
    listed.insert(listed.end(), folder.entries.begin(), folder.entries.end());
    listed.resize(std::min(listed.size(), folder.listed));
    return listed;
}

GeneratedTree DecodeTree(ByteReader& input, const std::u16string& basePath, const TextCollation& collation) {
    return TreeDecoder(input, collation).Decode(basePath);
}

uint32_t ListingEnd(const TreeFolder& folder) {
    return folder.listed < folder.entries.size() + 2 ? folder.error : kNoMoreFiles;
}

}  // namespace kuvano::fuzz
