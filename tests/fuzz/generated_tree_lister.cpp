#include "generated_tree_lister.h"

#include <vector>

#include "fuzz_check.h"
#include "support/listed_entries.h"

namespace kuvano::fuzz {
std::unique_ptr<DirectoryLister::Enumeration> GeneratedTreeLister::Open(const std::u16string& pattern,
                                                                        TFindData& first) const {
    const size_t slash = pattern.rfind(u'\\');
    Check(slash != std::u16string::npos && pattern.substr(slash + 1) == u"*.*", "the survey lists with \"*.*\"");
    const TreeFolder* folder = tree_.Find(std::u16string_view(pattern).substr(0, slash), collation_);
    if (!folder) return nullptr;
    std::vector<TFindData> entries = Listing(*folder);
    first = entries.front();
    return std::make_unique<testing::ListedEntries>(std::move(entries), ListingEnd(*folder));
}

}  // namespace kuvano::fuzz
