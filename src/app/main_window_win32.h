#pragma once

#include <windows.h>

#include <string>

#include "app/settings.h"
#include "platform/base_window_win32.h"
#include "platform/file_store.h"

namespace kuvano {

// TForm1: the hidden main window. It loads the settings when it is created
// and writes them back in its close query; closing it ends the program.
class TForm1 final : public BaseWindow<TForm1> {
public:
    TForm1(Settings& settings, const FileStore& store, std::u16string settingsPath);
    bool Create();

    static const wchar_t* ClassName() { return L"TForm1"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void FormCreate();
    bool FormCloseQuery();
    LRESULT OnClose();
    LRESULT OnQueryEndSession();

    Settings& settings_;
    const FileStore& store_;
    std::u16string settingsPath_;
};

}  // namespace kuvano
