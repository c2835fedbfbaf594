#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace kuvano::bench {

// One Windows program run under Wine in a virtual desktop with a taskbar
// (Wine gives a desktop named "shell" one), in the prefix WINEPREFIX names.
// Every process of the prefix ends with the run, so the next run starts a
// Wine of its own.
class WineDesktopRun {
public:
    // `program` is the Linux path of the .exe.
    explicit WineDesktopRun(const std::string& program);
    ~WineDesktopRun();
    WineDesktopRun(const WineDesktopRun&) = delete;
    WineDesktopRun& operator=(const WineDesktopRun&) = delete;

    // The Wine process running the .exe: its first argument is the path.
    pid_t Program() const { return program_; }
    // The prefix's wineserver.
    pid_t Server() const;
    // The rest of this Wine: the desktop's explorer, services, device drivers.
    std::vector<pid_t> Others() const;

private:
    std::string prefix_;
    pid_t launcher_ = 0;
    pid_t program_ = 0;
};

}  // namespace kuvano::bench
