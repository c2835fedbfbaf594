#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/blocked_reads.h"
#include "core/directory_lister.h"
#include "core/thread_starter.h"
#include "core/volume_kind.h"
#include "core/windows_directory.h"

namespace kuvano {

// The system as a folder survey reaches it. Shared, because a worker still
// blocked in a read after its survey was given up keeps what it uses.
struct SurveySystem {
    std::shared_ptr<const DirectoryLister> lister;
    std::shared_ptr<const WindowsDirectory> windowsDirectory;
    std::shared_ptr<const VolumeKinds> volumes;
    std::shared_ptr<const BlockedReads> blockedReads;
    std::shared_ptr<const ThreadStarter> threads;
    std::function<bool(const std::u16string& path)> folderExists;
    // How many threads walk a volume of that kind; empty: as the volume and the cores suit.
    std::function<unsigned(VolumeKind)> poolSize;
};

}  // namespace kuvano
