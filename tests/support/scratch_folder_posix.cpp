#include "support/scratch_folder_posix.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace kuvano::testing {

ScratchFolder::ScratchFolder(std::string_view purpose) {
    const char* temp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(temp != nullptr && *temp != '\0' ? temp : "/tmp") + "/kuvano-" + std::string(purpose) + "-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create a scratch folder");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteFileOfSize(const std::string& path, uint64_t size) {
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0) throw std::runtime_error("cannot create " + path);
    const bool sized = ftruncate(file, static_cast<off_t>(size)) == 0;
    close(file);
    if (!sized) throw std::runtime_error("cannot size " + path);
}

}  // namespace kuvano::testing
