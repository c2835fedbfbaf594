#pragma once

#include <windows.h>

#include <vector>

namespace kuvano {

// While it lives, every other enabled top-level window of this thread is
// disabled, as a modal box disables the windows of its application; each is
// enabled again when it ends, however the box was closed.
class ThreadWindowsDisabled {
public:
    explicit ThreadWindowsDisabled(HWND except);
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;
    ~ThreadWindowsDisabled();

private:
    std::vector<HWND> disabled_;
};

}  // namespace kuvano
