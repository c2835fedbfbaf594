#pragma once

#include <string>

namespace kuvano {

// The user's thousands separator, as number texts group digits with it.
std::u16string UserThousandsSeparator();

}  // namespace kuvano
