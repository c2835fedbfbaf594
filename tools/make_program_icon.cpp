// Writes the program icon, drawn as pixel art in the source, as an .ico file
// for the resource compiler.
#include <fstream>
#include <iostream>
#include <vector>

#include "art/ico_file.h"
#include "art/program_icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_program_icon OUTPUT.ico\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    std::vector<kuvano::PixelImage> sides;
    for (const int side : kuvano::kProgramIconSides) sides.push_back(kuvano::ProgramIconAt(side));
    out << kuvano::IcoFileBytes(sides);
    return out.good() ? 0 : 1;
}
