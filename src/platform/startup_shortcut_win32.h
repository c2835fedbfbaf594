#pragma once

#include <string>

namespace kuvano {

// The shortcut "Kuvano.lnk" in a Startup folder, which Windows lists among
// the startup apps and follows at sign-in. It is the only record of the
// choice: the registry stays untouched.
class StartupShortcut {
public:
    // In that folder; without one, in the current user's Startup folder,
    // asked of the system only when first needed, never at start.
    StartupShortcut(std::u16string folder, std::u16string programPath);

    // The shortcut is there and starts this program, wherever the program
    // was when it was made: a program moved elsewhere is not started by it.
    bool StartsThisProgram() const;
    // Makes the shortcut point here, or removes it; true when done.
    bool Set(bool start) const;

private:
    // Empty when the system cannot say where the folder is.
    const std::u16string& Shortcut() const;

    mutable std::u16string folder_;
    std::u16string programPath_;
    mutable std::u16string shortcut_;
};

}  // namespace kuvano
