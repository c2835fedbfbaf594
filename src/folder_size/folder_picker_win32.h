#pragma once

#include <windows.h>

#include <string>

#include "folder_size/folder_picker_options.h"

namespace kuvano {

// The system's folder picker, rooted at the desktop. It opens on `folder`
// when that folder exists and shows the highlighted folder's path in its
// status line.
class FolderPicker {
public:
    std::u16string title;
    EnumSet<FolderPickerOption> options{FolderPickerOption::ReturnOnlyFileSystemFolders,
                                        FolderPickerOption::StatusText};
    // On entry the folder to preselect; after a choice, the chosen folder's
    // path, of any length.
    std::u16string folder;

    // True when the user chose a folder, false when cancelled, when the
    // picker could not open or when the choice's path cannot be read.
    bool Execute(HWND owner);
};

}  // namespace kuvano
