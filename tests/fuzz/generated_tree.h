#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "byte_reader.h"
#include "core/directory_lister.h"
#include "core/text_collation.h"

namespace kuvano::fuzz {

inline constexpr uint32_t kNoMoreFiles = 18;

// A folder tree decoded from a fuzz input. Each listable folder lists "."
// and ".." and then its entries; its listing may end early with an error.
struct TreeFolder {
    std::u16string path;
    std::vector<TFindData> entries;  // without "." and ".."
    size_t listed = SIZE_MAX;        // entries listed, dots included, before the error
    uint32_t error = kNoMoreFiles;
};

struct GeneratedTree {
    std::vector<TreeFolder> folders;  // the base folder first

    // Found as the file system finds it, without regard to letter case;
    // nullptr for a file, an unlistable folder or no such path.
    const TreeFolder* Find(std::u16string_view path, const TextCollation& collation) const;
};

// What a folder's listing yields, in order, and the error that ends it.
std::vector<TFindData> Listing(const TreeFolder& folder);
uint32_t ListingEnd(const TreeFolder& folder);

// The input, in order: per folder a byte of entry count and a byte of
// listing end (0 normal, else an error after 1..32 entries); per entry a
// byte of kind (attribute bits, 0x08 a reparse point, 0x40 unlistable), a
// byte choosing its name, a byte of size class and the size's bytes, and
// for a listable folder its own listing at once, depth first.
GeneratedTree DecodeTree(ByteReader& input, const std::u16string& basePath, const TextCollation& collation);

}  // namespace kuvano::fuzz
