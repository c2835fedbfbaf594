// Writes the folder size panel's busy clip, drawn in the source, as the .avi
// file that the program loads from beside itself.
#include <fstream>
#include <iostream>

#include "art/avi_file.h"
#include "art/survey_animation.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_animation OUTPUT.avi\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << kuvano::AviFileBytes(kuvano::SurveyAnimationFrames(), kuvano::kSurveyFrameMicroseconds);
    return out.good() ? 0 : 1;
}
