#include "platform/directory_lister_posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "platform/file_names_posix.h"

namespace kuvano {
namespace {

constexpr uint32_t kNoMoreFiles = 18;
constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kGeneralFailure = 31;

uint32_t Attributes(mode_t mode, bool hidden, bool linkToFolder) {
    uint32_t attributes = hidden ? kAttributeHidden : 0;
    if (!(mode & S_IWUSR)) attributes |= kAttributeReadOnly;
    if (S_ISDIR(mode)) return attributes | kAttributeDirectory;
    if (S_ISREG(mode)) return attributes | kAttributeArchive;
    if (S_ISLNK(mode)) return attributes | kAttributeReparsePoint | (linkToFolder ? kAttributeDirectory : 0);
    return attributes;
}

void Fill(const struct stat& status, uint32_t attributes, DirectoryEntry& entry) {
    entry.attributes = attributes;
    entry.size = S_ISREG(status.st_mode) ? static_cast<uint64_t>(status.st_size) : 0;
}

uint32_t ListingError(int number) {
    if (number == 0) return kNoMoreFiles;
    return number == EACCES || number == EPERM ? kAccessDenied : kGeneralFailure;
}

bool IsDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

class PosixEnumeration final : public DirectoryLister::Enumeration {
public:
    PosixEnumeration(DIR* dir, std::u16string_view mask, const NameMask& matcher)
        : dir_(dir), fd_(dirfd(dir)), mask_(mask), matcher_(matcher), all_(NameMask::MatchesEverything(mask)) {
        fstat(fd_, &folder_);
    }
    ~PosixEnumeration() override { closedir(dir_); }
    PosixEnumeration(const PosixEnumeration&) = delete;
    PosixEnumeration& operator=(const PosixEnumeration&) = delete;

    bool Next(DirectoryEntry& entry, uint32_t& error) override {
        while (dotsLeft_ > 0) {
            if (NextDot(entry)) return true;
        }
        for (;;) {
            errno = 0;
            const dirent* found = readdir(dir_);
            if (found == nullptr) {
                error = ListingError(errno);
                return false;
            }
            if (IsDot(found->d_name)) continue;
            WindowsNameFromPosix(found->d_name, entry.name);
            if ((all_ || matcher_.Matches(mask_, entry.name)) && Describe(*found, entry)) return true;
        }
    }

private:
    // Both dot entries carry the folder's own data: one call instead of two.
    bool NextDot(DirectoryEntry& entry) {
        entry.name = --dotsLeft_ == 1 ? u"." : u"..";
        if (!all_ && !matcher_.Matches(mask_, entry.name)) return false;
        Fill(folder_, Attributes(folder_.st_mode, false, false), entry);
        return true;
    }

    // False when the entry went away since the folder was read.
    bool Describe(const dirent& found, DirectoryEntry& entry) const {
        const bool hidden = found.d_name[0] == '.';
        struct stat status;
        if (fstatat(fd_, found.d_name, &status, AT_SYMLINK_NOFOLLOW) == 0) {
            Fill(status, Attributes(status.st_mode, hidden, S_ISLNK(status.st_mode) && LeadsToFolder(found.d_name)),
                 entry);
            return true;
        }
        if (errno == ENOENT) return false;
        // Listed but not examinable (a folder that may be read but not searched):
        // what the listing tells, and no claim of read-only.
        struct stat listed {};
        listed.st_mode = static_cast<mode_t>(DTTOIF(found.d_type) | S_IWUSR);
        Fill(listed, Attributes(listed.st_mode, hidden, false), entry);
        return true;
    }

    bool LeadsToFolder(const char* name) const {
        struct stat target;
        return fstatat(fd_, name, &target, 0) == 0 && S_ISDIR(target.st_mode);
    }

    DIR* dir_;
    int fd_;
    std::u16string mask_;
    const NameMask& matcher_;
    bool all_;
    struct stat folder_ {};
    int dotsLeft_ = 2;
};

}  // namespace

std::unique_ptr<DirectoryLister::Enumeration> DirectoryListerPosix::Open(const std::u16string& pattern,
                                                                         DirectoryEntry& first) const {
    const std::u16string_view whole(pattern);
    const size_t slash = whole.rfind(u'\\');
    std::u16string_view folder = slash == std::u16string_view::npos ? u"." : whole.substr(0, slash);
    if (folder.empty()) folder = u"\\";  // "\*.*": the root
    const std::u16string_view mask = slash == std::u16string_view::npos ? whole : whole.substr(slash + 1);
    DIR* dir = opendir(PosixPathFromWindows(folder).c_str());
    if (dir == nullptr) return nullptr;
    auto listing = std::make_unique<PosixEnumeration>(dir, mask, mask_);
    uint32_t error = 0;
    if (!listing->Next(first, error)) return nullptr;
    return listing;
}

}  // namespace kuvano
