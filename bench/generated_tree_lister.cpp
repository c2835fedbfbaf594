#include "generated_tree_lister.h"

#include <algorithm>

namespace kuvano::bench {
namespace {

constexpr std::u16string_view kAllMask = u"\\*.*";
constexpr uint32_t kNoMoreFiles = 18;

class GeneratedListing final : public DirectoryLister::Enumeration {
public:
    explicit GeneratedListing(int folders) : folders_(folders) {}

    bool Next(DirectoryEntry& entry, uint32_t& error) override {
        if (next_ >= folders_ + 2) {
            error = kNoMoreFiles;
            return false;
        }
        Fill(entry);
        return true;
    }

    void Fill(DirectoryEntry& entry) {
        entry.attributes = kAttributeDirectory;
        if (next_ < 2) {
            entry.name = next_ == 0 ? u"." : u"..";
        } else {
            const std::u16string digits = Digits(next_ - 2);
            entry.name = u"folder" + std::u16string(4 - std::min<size_t>(4, digits.size()), u'0') + digits;
        }
        ++next_;
    }

private:
    static std::u16string Digits(int number) {
        const std::string text = std::to_string(number);
        return {text.begin(), text.end()};
    }

    int folders_;
    int next_ = 0;
};

}  // namespace

std::unique_ptr<DirectoryLister::Enumeration> GeneratedTreeLister::Open(const std::u16string& pattern,
                                                                        DirectoryEntry& first) const {
    const std::u16string_view path(pattern);
    if (!path.starts_with(root_) || !path.ends_with(kAllMask)) return nullptr;
    const std::u16string_view below = path.substr(root_.size(), path.size() - root_.size() - kAllMask.size());
    const auto level = std::ranges::count(below, u'\\');
    if (level > levels_) return nullptr;
    auto listing = std::make_unique<GeneratedListing>(level < levels_ ? fanOut_ : 0);
    listing->Fill(first);
    return listing;
}

int64_t GeneratedTreeLister::Folders() const {
    int64_t folders = 0;
    for (int64_t level = 0, width = 1; level < levels_; ++level) folders += width *= fanOut_;
    return folders;
}

}  // namespace kuvano::bench
