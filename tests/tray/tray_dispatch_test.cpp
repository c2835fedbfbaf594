#include "tray/tray_dispatch.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

TrayWiring AllWired() {
    TrayWiring wiring;
    wiring.hasMouseUp = wiring.hasMouseDown = wiring.hasMiddleUp = wiring.hasMiddleDown = wiring.hasPopupMenu = true;
    return wiring;
}

TEST(TrayActionFor, MapsEachMouseMessage) {
    struct Case {
        uint32_t message;
        TrayAction expected;
    };
    const Case cases[] = {
        {0x200, TrayAction::None},                                                                // movement
        {0x201, TrayAction::MouseDown}, {0x202, TrayAction::MouseUp}, {0x203, TrayAction::None},  // double click
        {0x204, TrayAction::None},                                                                // right press
        {0x205, TrayAction::Popup},     {0x206, TrayAction::None},    {0x207, TrayAction::MiddleDown},
        {0x208, TrayAction::MiddleUp},  {0x209, TrayAction::None},    {0x400, TrayAction::None},
    };
    for (const Case& c : cases) EXPECT_EQ(TrayActionFor(c.message, AllWired()), c.expected) << std::hex << c.message;
}

TEST(TrayActionFor, NeedsAHandlerAndAnOpenGate) {
    TrayWiring wiring = AllWired();
    wiring.enableMouseUp = false;
    wiring.enableMiddleDown = false;
    EXPECT_EQ(TrayActionFor(0x202, wiring), TrayAction::None);
    EXPECT_EQ(TrayActionFor(0x207, wiring), TrayAction::None);
    EXPECT_EQ(TrayActionFor(0x201, wiring), TrayAction::MouseDown);

    const TrayWiring nothingAssigned;
    for (uint32_t message : {0x201u, 0x202u, 0x205u, 0x207u, 0x208u}) {
        EXPECT_EQ(TrayActionFor(message, nothingAssigned), TrayAction::None) << std::hex << message;
    }
    TrayWiring menuOnly;
    menuOnly.hasPopupMenu = true;
    menuOnly.enableMouseUp = menuOnly.enableMouseDown = menuOnly.enableMiddleUp = menuOnly.enableMiddleDown = false;
    EXPECT_EQ(TrayActionFor(0x205, menuOnly), TrayAction::Popup);  // no gate for the right button
}

}  // namespace
}  // namespace kuvano
