#pragma once

#include <cstdint>

namespace kuvano {

enum class TrayMouseButton { Left, Middle };

// What a shell notification about the tray icon leads to.
enum class TrayAction { None, MouseDown, MouseUp, MiddleDown, MiddleUp, Popup };

// Which events have a handler and which gates are open.
struct TrayWiring {
    bool hasMouseUp = false;
    bool hasMouseDown = false;
    bool hasMiddleUp = false;
    bool hasMiddleDown = false;
    bool hasPopupMenu = false;
    bool enableMouseUp = true;
    bool enableMouseDown = true;
    bool enableMiddleUp = true;
    bool enableMiddleDown = true;
};

// The mouse message in a notification's lParam: left press and release,
// right release, middle press and release act; movement, double clicks, the
// right press and all else do nothing.
TrayAction TrayActionFor(uint32_t mouseMessage, const TrayWiring& wiring);

}  // namespace kuvano
