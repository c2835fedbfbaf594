#pragma once

#include <string>
#include <vector>

#include "core/text_collation.h"

namespace kuvano {

// The folders surveyed while the program runs, newest first, at most 20.
class FolderHistory {
public:
    static constexpr size_t kCapacity = 20;

    explicit FolderHistory(const TextCollation& collation) : collation_(collation) {}

    // A folder already listed, in any letter case, is selected where it
    // stands; a new one goes on top, the oldest falling off.
    void Add(const std::u16string& folder);
    void Reset(const std::u16string& folder);

    const std::vector<std::u16string>& Items() const { return items_; }
    size_t Selected() const { return selected_; }
    const std::u16string& SelectedFolder() const { return items_.at(selected_); }

private:
    const TextCollation& collation_;
    std::vector<std::u16string> items_;
    size_t selected_ = 0;
};

}  // namespace kuvano
