#pragma once

#include <memory>
#include <string>

#include "generated_tree.h"

namespace kuvano::fuzz {

// Lists the folders of a generated tree, for the survey's "*.*" patterns only.
class GeneratedTreeLister final : public DirectoryLister {
public:
    GeneratedTreeLister(const GeneratedTree& tree, const TextCollation& collation)
        : tree_(tree), collation_(collation) {}

    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, TFindData& first) const override;

private:
    const GeneratedTree& tree_;
    const TextCollation& collation_;
};

}  // namespace kuvano::fuzz
