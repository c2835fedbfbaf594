#include "platform/survey_system_win32.h"

#include <memory>

#include "platform/blocked_reads_win32.h"
#include "platform/directory_lister_win32.h"
#include "platform/existing_folder_win32.h"
#include "platform/volume_kinds_win32.h"
#include "platform/windows_directory_win32.h"

namespace kuvano {

SurveySystem SurveySystemWin32() {
    return {
        .lister = std::make_shared<DirectoryListerWin32>(),
        .windowsDirectory = std::make_shared<WindowsDirectoryWin32>(),
        .volumes = std::make_shared<VolumeKindsWin32>(),
        .blockedReads = std::make_shared<BlockedReadsWin32>(),
        .threads = std::make_shared<DetachedThreads>(),
        .folderExists = IsExistingFolder,
        .poolSize = {},
    };
}

}  // namespace kuvano
