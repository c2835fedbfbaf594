#pragma once

#include <string>
#include <vector>

namespace kuvano::testing {

struct IniCorpusFile {
    std::string name;
    std::string bytes;
};

// Settings files with the awkward corners of the profile format.
std::vector<IniCorpusFile> TrickyIniFiles();

// Files whose byte-order mark Wine's profile functions honour and Windows'
// do not: a UTF-8 mark and a big-endian UTF-16 mark.
std::vector<IniCorpusFile> FilesWhoseMarkOnlyWineReads();

}  // namespace kuvano::testing
