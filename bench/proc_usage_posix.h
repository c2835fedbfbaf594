#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace kuvano::bench {

// What Linux's /proc says about the processes of this machine.

// CPU time of the process's threads so far, or nothing once it is gone.
std::optional<double> CpuSeconds(pid_t pid);

// The peak resident set (VmHWM) in MiB, or nothing once the process is gone.
std::optional<double> PeakMebibytes(pid_t pid);

// The process's arguments; empty for a process that is gone or not readable.
std::vector<std::string> Arguments(pid_t pid);

// Whether the process's environment holds `entry` ("NAME=value") exactly.
bool HasEnvironmentEntry(pid_t pid, const std::string& entry);

// The process's working folder, or nothing.
std::optional<std::string> WorkingFolder(pid_t pid);

// The file the process runs, or nothing.
std::optional<std::string> Executable(pid_t pid);

std::vector<pid_t> AllProcesses();

}  // namespace kuvano::bench
