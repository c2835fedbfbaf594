#pragma once

#include <windows.h>

#include <string>

namespace kuvano {

// A reason to hold the end of the session, which Windows shows the user
// beside the program's name; the user may end the session anyway.
class SessionEndBlock {
public:
    virtual ~SessionEndBlock() = default;
    virtual void Hold(HWND window, const std::wstring& reason) = 0;
    // Nothing when no reason is held.
    virtual void Release(HWND window) = 0;
};

class SessionEndBlockWin32 final : public SessionEndBlock {
public:
    void Hold(HWND window, const std::wstring& reason) override;
    void Release(HWND window) override;

private:
    bool held_ = false;
};

}  // namespace kuvano
