#pragma once

#include "core/text_collation.h"

namespace kuvano {

class TextCollationWin32 final : public TextCollation {
public:
    int Compare(std::u16string_view a, std::u16string_view b) const override;
    bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) const override;
    std::u16string UpperCase(std::u16string_view text) const override;
};

}  // namespace kuvano
