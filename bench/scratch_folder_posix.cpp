#include "scratch_folder_posix.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace kuvano::bench {

ScratchFolder::ScratchFolder(std::string_view purpose) {
    const char* temp = std::getenv("TMPDIR");
    path_ = std::string(temp && *temp ? temp : "/tmp") + "/kuvano-" + std::string(purpose) + "-XXXXXX";
    if (mkdtemp(path_.data()) == nullptr) throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteFileOfSize(const std::string& path, uint64_t size) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (!std::ofstream(path)) throw std::runtime_error("cannot create " + path);
    std::filesystem::resize_file(path, size);
}

}  // namespace kuvano::bench
