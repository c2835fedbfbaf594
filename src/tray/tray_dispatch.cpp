#include "tray/tray_dispatch.h"

namespace kuvano {
namespace {

constexpr uint32_t kLeftButtonUp = 0x202;
constexpr uint32_t kRightButtonUp = 0x205;
constexpr uint32_t kBalloonUserClick = 0x400 + 5;  // WM_USER + 5

}  // namespace

TrayAction TrayActionFor(uint32_t mouseMessage) {
    switch (mouseMessage) {
        case kLeftButtonUp: return TrayAction::LeftClick;
        case kRightButtonUp: return TrayAction::Menu;
        case kBalloonUserClick: return TrayAction::BalloonClick;
        default: return TrayAction::None;
    }
}

}  // namespace kuvano
