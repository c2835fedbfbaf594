#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kuvano {

inline constexpr uint32_t kAttributeReadOnly = 0x01;
inline constexpr uint32_t kAttributeHidden = 0x02;
inline constexpr uint32_t kAttributeSystem = 0x04;
inline constexpr uint32_t kAttributeDirectory = 0x10;
inline constexpr uint32_t kAttributeArchive = 0x20;
inline constexpr uint32_t kAttributeReparsePoint = 0x400;  // junctions, symbolic links, mount points

// One directory entry as the system's find functions report it.
struct DirectoryEntry {
    uint32_t attributes = 0;
    uint64_t size = 0;
    std::u16string name;  // without a directory part
};

// Lists the entries matching a pattern such as "C:\Tools\*.*".
class DirectoryLister {
public:
    class Enumeration {
    public:
        virtual ~Enumeration() = default;  // closes the search
        // The next entry, or false with the system's error code (18: no more files).
        virtual bool Next(DirectoryEntry& entry, uint32_t& error) = 0;
    };

    virtual ~DirectoryLister() = default;
    // The first entry, or nothing when the pattern cannot be opened or matches nothing.
    virtual std::unique_ptr<Enumeration> Open(const std::u16string& pattern, DirectoryEntry& first) const = 0;
};

}  // namespace kuvano
