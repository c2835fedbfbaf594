#pragma once

#include <map>
#include <optional>
#include <string>

#include "core/file_store.h"

namespace kuvano::testing {

// Files in memory, with failures on demand.
class FakeFileStore final : public FileStore {
public:
    std::map<std::u16string, std::string> files;
    bool failReads = false;
    bool failReplaces = false;
    mutable int replaceCount = 0;

    ReadResult ReadWhole(const std::u16string& path) const override {
        if (failReads) return {ReadStatus::Failed, {}};
        const auto file = files.find(path);
        if (file == files.end()) return {ReadStatus::Missing, {}};
        return {ReadStatus::Read, file->second};
    }

    bool ReplaceWhole(const std::u16string& path, std::string_view bytes) const override {
        ++replaceCount;
        if (failReplaces) return false;
        const_cast<FakeFileStore*>(this)->files[path] = std::string(bytes);
        return true;
    }
};

}  // namespace kuvano::testing
