#include "art/program_icon.h"

#include "core/display_scale.h"

namespace kuvano {
namespace {

constexpr Rgba kOutline{0, 0, 0, 255};
constexpr Rgba kStarBlue{0, 0, 255, 255};

}  // namespace

// The rows are the picture: keep them one per line.
// clang-format off
// K outline, B blue, . transparent. The small star has the shape of the
// tray's star pictures; the large one is the same star at twice the size.
PixelImage ProgramIcon32() {
    return ImageFromArt({
        "..............KKKK..............",
        "..............KBBK..............",
        "............KKBBBBKK............",
        "............KBBBBBBK............",
        "............KBBBBBBK............",
        "............KBBBBBBK............",
        "..........KKBBBBBBBBKK..........",
        "..........KBBBBBBBBBBK..........",
        "..........KBBBBBBBBBBK..........",
        "..........KBBBBBBBBBBK..........",
        "KKKKKKKKKKBBBBBBBBBBBBKKKKKKKKKK",
        "KBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBK",
        "KBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBK",
        "KKBBBBBBBBBBBBBBBBBBBBBBBBBBBBKK",
        "..KBBBBBBBBBBBBBBBBBBBBBBBBBBK..",
        "..KKKKBBBBBBBBBBBBBBBBBBBBKKKK..",
        "......KBBBBBBBBBBBBBBBBBBK......",
        "......KKBBBBBBBBBBBBBBBBKK......",
        "........KBBBBBBBBBBBBBBK........",
        "........KBBBBBBBBBBBBBBK........",
        "......KKBBBBBBBBBBBBBBBBKK......",
        "......KBBBBBBBBBBBBBBBBBBK......",
        "......KBBBBBBBBBBBBBBBBBBK......",
        "......KBBBBBBBBBBBBBBBBBBK......",
        "......KBBBBBBBBBBBBBBBBBBK......",
        "......KBBBBBBBKKKKBBBBBBBK......",
        "....KKBBBBBBBK....KBBBBBBBKK....",
        "....KBBBBBKKKK....KKKKBBBBBK....",
        "....KBBBBK............KBBBBK....",
        "....KBBBKK............KKBBBK....",
        "....KBBK................KBBK....",
        "....KKKK................KKKK....",
    }, {{'K', kOutline}, {'B', kStarBlue}});
}

PixelImage ProgramIcon16() {
    return ImageFromArt({
        ".......KK.......",
        "......KBBK......",
        "......KBBK......",
        ".....KBBBBK.....",
        ".....KBBBBK.....",
        "KKKKKBBBBBBKKKKK",
        "KBBBBBBBBBBBBBBK",
        ".KKBBBBBBBBBBKK.",
        "...KBBBBBBBBK...",
        "....KBBBBBBK....",
        "...KBBBBBBBBK...",
        "...KBBBBBBBBK...",
        "...KBBBKKBBBK...",
        "..KBBKK..KKBBK..",
        "..KBK......KBK..",
        "..KK........KK..",
    }, {{'K', kOutline}, {'B', kStarBlue}});
}

// clang-format on
PixelImage ProgramIconAt(int side) {
    const PixelImage large = ProgramIcon32();
    const PixelImage small = ProgramIcon16();
    const auto covered = [side](const PixelImage& star) {
        return star.width <= side ? WholeStep(star.width, side) * star.width : 0;
    };
    return FitByWholeSteps(covered(large) >= covered(small) ? large : small, side, side);
}

}  // namespace kuvano
