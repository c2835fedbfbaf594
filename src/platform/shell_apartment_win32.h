#pragma once

namespace kuvano {

// The shell's calls (a drive's display name, starting the explorer, the
// folder picker) want a single-threaded COM apartment on the thread that
// makes them. It is entered the first time one is needed, not at start, so
// that a program resting in the tray holds none, and kept for the thread's life.
void EnterShellApartment();

}  // namespace kuvano
