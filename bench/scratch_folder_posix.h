#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kuvano::bench {

// A new, empty folder under $TMPDIR or /tmp, removed with everything in it when the object goes.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view purpose);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

// A sparse file of that many bytes, its folders made first: no time or space to make.
void WriteFileOfSize(const std::string& path, uint64_t size);

}  // namespace kuvano::bench
