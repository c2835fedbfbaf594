#pragma once

#include <cstdint>

namespace kuvano {

// What a shell notification about the tray icon leads to.
enum class TrayAction { None, LeftClick, Menu, BalloonClick };

// The mouse message in a notification's lParam: the left button's release
// clicks and the right button's release opens the menu; presses, movement,
// double clicks and the middle button do nothing. A click on the icon's
// notification comes as its own message.
TrayAction TrayActionFor(uint32_t mouseMessage);

}  // namespace kuvano
