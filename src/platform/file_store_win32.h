#pragma once

#include "core/file_store.h"

namespace kuvano {

// Saves through a temporary file in the same folder, renamed over the old
// file in one step, so that an interrupted or failed save never leaves a
// half-written file behind. Where the folder refuses new files or renames
// but the file itself is writable, it is written in place instead.
class FileStoreWin32 final : public FileStore {
public:
    ReadResult ReadWhole(const std::u16string& path) const override;
    bool ReplaceWhole(const std::u16string& path, std::string_view bytes) const override;
};

}  // namespace kuvano
