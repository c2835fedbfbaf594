#pragma once

#include <map>
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
        const auto file = files.find(path);
        if (failReads) return {ReadStatus::Failed, {}};
        return file == files.end() ? ReadResult{ReadStatus::Missing, {}} : ReadResult{ReadStatus::Read, file->second};
    }
    bool ReplaceWhole(const std::u16string& path, std::string_view bytes) const override {
        ++replaceCount;
        if (!failReplaces) const_cast<FakeFileStore*>(this)->files[path] = bytes;
        return !failReplaces;
    }
};

}  // namespace kuvano::testing
