#include "tray/tray_registry.h"

#include <gtest/gtest.h>

namespace kuvano {
namespace {

struct Component {};

TEST(TrayRegistry, NumbersComponentsFromOneAndFindsThemByNotifiedIdentifier) {
    TrayRegistry<Component> registry;
    Component first, second, third;
    EXPECT_EQ(registry.Register(&first), 1);
    EXPECT_EQ(registry.Register(&second), 2);
    EXPECT_EQ(registry.Find(1), &first);
    EXPECT_EQ(registry.Find(2), &second);
    EXPECT_EQ(registry.Find(0), nullptr);
    EXPECT_EQ(registry.Find(3), nullptr);
    EXPECT_EQ(registry.Find(uint64_t{1} << 32 | 1), nullptr);  // no truncation to 32 bits

    registry.Unregister(&first);
    EXPECT_EQ(registry.Find(1), nullptr);
    EXPECT_EQ(registry.Register(&third), 3);  // one more than the last entry
    EXPECT_EQ(registry.Find(3), &third);
}

}  // namespace
}  // namespace kuvano
