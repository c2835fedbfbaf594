#pragma once

#include <string>

namespace kuvano {

// Recognises the Windows directory by what it is, not by how a path spells it:
// through a subst drive, a junction, a short name or the \\?\ form.
class WindowsDirectory {
public:
    virtual ~WindowsDirectory() = default;
    virtual bool Is(const std::u16string& folder) const = 0;
};

}  // namespace kuvano
