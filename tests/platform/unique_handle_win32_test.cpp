#include "platform/unique_handle_win32.h"

#include <gtest/gtest.h>

#include <utility>

namespace kuvano {
namespace {

// The count of held handles is what the soak test trusts to find a leak.
TEST(UniqueHandle, CountsTheHandlesItsWrappersHold) {
    const long long before = UniqueBrush::Held();
    {
        UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
        UniqueBrush none;
        EXPECT_EQ(UniqueBrush::Held(), before + 1);
        UniqueBrush moved(std::move(red));
        none = std::move(moved);
        EXPECT_EQ(UniqueBrush::Held(), before + 1) << "moves keep the count";
        none.reset(CreateSolidBrush(RGB(0, 0, 255)));
        EXPECT_EQ(UniqueBrush::Held(), before + 1) << "a reset closes the old handle";
        const HBRUSH released = none.release();
        EXPECT_EQ(UniqueBrush::Held(), before);
        DeleteObject(released);
        UniqueBrush failed(nullptr);
        EXPECT_EQ(UniqueBrush::Held(), before) << "no handle, nothing held";
        none.reset(CreateSolidBrush(0));
    }
    EXPECT_EQ(UniqueBrush::Held(), before);
}

}  // namespace
}  // namespace kuvano
