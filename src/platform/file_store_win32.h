#pragma once

#include "core/file_store.h"

namespace kuvano {

// Saves through a temporary file in the same folder that takes the old
// file's place in one step, keeping its attributes and permissions, so that
// an interrupted or failed save never leaves a half-written file behind.
// Where the folder refuses new files or renames but the file itself is
// writable, it is written in place instead. A file another program holds
// for a moment (a virus scanner, a sync client) is tried again for about
// 300 ms before a read or a save gives up.
class FileStoreWin32 final : public FileStore {
public:
    ReadResult ReadWhole(const std::u16string& path) const override;
    bool ReplaceWhole(const std::u16string& path, std::string_view bytes) const override;
};

}  // namespace kuvano
