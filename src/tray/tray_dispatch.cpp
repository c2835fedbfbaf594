#include "tray/tray_dispatch.h"

namespace kuvano {
namespace {

constexpr uint32_t kLeftButtonDown = 0x201;
constexpr uint32_t kLeftButtonUp = 0x202;
constexpr uint32_t kRightButtonUp = 0x205;
constexpr uint32_t kMiddleButtonDown = 0x207;
constexpr uint32_t kMiddleButtonUp = 0x208;

TrayAction When(bool wired, TrayAction action) {
    return wired ? action : TrayAction::None;
}

}  // namespace

TrayAction TrayActionFor(uint32_t mouseMessage, const TrayWiring& wiring) {
    switch (mouseMessage) {
        case kLeftButtonDown: return When(wiring.hasMouseDown && wiring.enableMouseDown, TrayAction::MouseDown);
        case kLeftButtonUp: return When(wiring.hasMouseUp && wiring.enableMouseUp, TrayAction::MouseUp);
        case kRightButtonUp: return When(wiring.hasPopupMenu, TrayAction::Popup);
        case kMiddleButtonDown: return When(wiring.hasMiddleDown && wiring.enableMiddleDown, TrayAction::MiddleDown);
        case kMiddleButtonUp: return When(wiring.hasMiddleUp && wiring.enableMiddleUp, TrayAction::MiddleUp);
        default: return TrayAction::None;
    }
}

}  // namespace kuvano
