#pragma once

namespace kuvano {

// Whether the program runs under Wine, whose shell leaves some of Windows'
// calls as stubs that always fail or draws some things differently.
bool RunningUnderWine();

}  // namespace kuvano
