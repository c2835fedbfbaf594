#pragma once

#include <windows.h>

#include <string>

#include "folder_size/folder_dialog_options.h"

namespace kuvano {

// TFolderDialog: the system's folder picker, rooted at the desktop. It opens
// on Directory when that folder exists and shows the highlighted folder's
// path in its status line. The calling thread must have COM initialised,
// apartment-threaded.
class TFolderDialog {
public:
    explicit TFolderDialog(HWND owner) : owner_(owner) {}

    std::u16string Title;
    TFolderDlgOptions Option = FolderDlgOptionBit(bifReturnOnlyFSDirs) | FolderDlgOptionBit(bifStatusText);
    // On entry the folder to preselect; after a choice, the chosen folder's
    // path, of any length.
    std::u16string Directory;

    // True when the user chose a folder, false when cancelled, when the
    // dialog could not open or when the choice's path cannot be read.
    bool Execute();

private:
    HWND owner_;
};

}  // namespace kuvano
