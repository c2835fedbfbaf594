#include "generated_tree_lister.h"

#include <vector>

#include "fuzz_check.h"

namespace kuvano::fuzz {
namespace {

class TreeListing final : public DirectoryLister::Enumeration {
public:
    TreeListing(std::vector<TFindData> entries, uint32_t endError)
        : entries_(std::move(entries)), endError_(endError) {}

    bool Next(TFindData& entry, uint32_t& error) override {
        if (++next_ >= entries_.size()) {
            error = endError_;
            return false;
        }
        entry = entries_[next_];
        return true;
    }

private:
    std::vector<TFindData> entries_;
    uint32_t endError_;
    size_t next_ = 0;
};

}  // namespace

std::unique_ptr<DirectoryLister::Enumeration> GeneratedTreeLister::Open(const std::u16string& pattern,
                                                                        TFindData& first) const {
    const size_t slash = pattern.rfind(u'\\');
    Check(slash != std::u16string::npos && pattern.substr(slash + 1) == u"*.*", "the survey lists with \"*.*\"");
    const TreeFolder* folder = tree_.Find(std::u16string_view(pattern).substr(0, slash), collation_);
    if (!folder) return nullptr;
    std::vector<TFindData> entries = Listing(*folder);
    first = entries.front();
    return std::make_unique<TreeListing>(std::move(entries), ListingEnd(*folder));
}

}  // namespace kuvano::fuzz
