#pragma once

#include <string>
#include <string_view>

namespace kuvano {

// Whole-file access for the settings file.
class FileStore {
public:
    enum class ReadStatus { Read, Missing, Failed };
    struct ReadResult {
        ReadStatus status = ReadStatus::Missing;
        std::string bytes;
    };

    virtual ~FileStore() = default;
    virtual ReadResult ReadWhole(const std::u16string& path) const = 0;
    // Replaces the file in one step: afterwards it holds either all of the
    // new bytes or, on failure, exactly what it held before.
    virtual bool ReplaceWhole(const std::u16string& path, std::string_view bytes) const = 0;
};

}  // namespace kuvano
