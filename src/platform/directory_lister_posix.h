#pragma once

#include "core/directory_lister.h"
#include "platform/name_mask_posix.h"

namespace kuvano {

// Lists a POSIX folder as the system's find functions list a Windows one, so
// that the search engine and the survey run natively on real trees. The
// pattern is "<folder>\<mask>", the folder a POSIX path in which the engine
// joined names with backslashes (see file_names_posix.h for names holding
// one). "." and ".." come first, then the rest in the order of the disk.
//  - Attributes: folder 0x10, regular file 0x20 (archive), symbolic link
//    0x400 (plus 0x10 when it leads to a folder; never followed), name
//    starting with "." hidden 0x02, no owner write permission read-only 0x01.
//  - Size: a regular file's size, 0 for anything else.
//  - Times: last write and last access as file times; no creation time (0).
//  - A folder that cannot be opened, or has no match, gives nothing; a
//    failing read ends the listing with 5 (access denied) or 31 (any other
//    failure) instead of 18 (no more files).
class DirectoryListerPosix final : public DirectoryLister {
public:
    std::unique_ptr<Enumeration> Open(const std::u16string& pattern, DirectoryEntry& first) const override;

private:
    NameMask mask_;
};

}  // namespace kuvano
