#pragma once

namespace kuvano {

// Handles every message waiting for this thread, for code that runs long on
// the window's own thread. False when the program was asked to quit: the quit
// is posted again, so that the main loop sees it too.
bool PumpPendingMessages();

}  // namespace kuvano
