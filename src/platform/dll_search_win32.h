#pragma once

namespace kuvano {

// From here on, DLLs the program or the system loads on its behalf come from
// the system folder only, never from the program's folder or the current
// one, where a planted DLL could wait. False if the system refused.
bool RestrictDllSearchToSystemFolder();

}  // namespace kuvano
