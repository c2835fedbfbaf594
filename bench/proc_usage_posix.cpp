#include "proc_usage_posix.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace kuvano::bench {
namespace {

std::string ProcPath(pid_t pid, const char* leaf) {
    return "/proc/" + std::to_string(pid) + "/" + leaf;
}

std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Splits a NUL-separated /proc list.
std::vector<std::string> NulSeparated(const std::string& text) {
    std::vector<std::string> items;
    std::istringstream stream(text);
    for (std::string item; std::getline(stream, item, '\0');) items.push_back(item);
    return items;
}

std::optional<std::string> LinkTarget(const std::string& path) {
    std::error_code error;
    const auto target = std::filesystem::read_symlink(path, error);
    if (error) return std::nullopt;
    return target.string();
}

}  // namespace

// The scheduler's nanosecond run time of each thread, summed: the clock-tick
// figures of stat miss most of the short wake-ups an idle program makes.
// Threads that ended are left out, which an idle program's steady threads
// never are.
std::optional<double> CpuSeconds(pid_t pid) {
    std::error_code error;
    std::filesystem::directory_iterator tasks(ProcPath(pid, "task"), error);
    if (error) return std::nullopt;
    unsigned long long nanoseconds = 0;
    for (const auto& task : tasks) {
        std::ifstream schedstat(task.path() / "schedstat");
        unsigned long long onCpu = 0;
        if (schedstat >> onCpu) nanoseconds += onCpu;
    }
    return static_cast<double>(nanoseconds) / 1e9;
}

std::optional<double> PeakMebibytes(pid_t pid) {
    std::ifstream status(ProcPath(pid, "status"));
    for (std::string line; std::getline(status, line);) {
        if (!line.starts_with("VmHWM:")) continue;
        return std::stod(line.substr(6)) / 1024.0;  // given in kB
    }
    return std::nullopt;
}

std::vector<std::string> Arguments(pid_t pid) {
    const auto text = ReadWhole(ProcPath(pid, "cmdline"));
    return text ? NulSeparated(*text) : std::vector<std::string>{};
}

bool HasEnvironmentEntry(pid_t pid, const std::string& entry) {
    const auto text = ReadWhole(ProcPath(pid, "environ"));
    if (!text) return false;
    for (const std::string& item : NulSeparated(*text)) {
        if (item == entry) return true;
    }
    return false;
}

std::optional<std::string> WorkingFolder(pid_t pid) {
    return LinkTarget(ProcPath(pid, "cwd"));
}

std::optional<std::string> Executable(pid_t pid) {
    return LinkTarget(ProcPath(pid, "exe"));
}

std::vector<pid_t> AllProcesses() {
    std::vector<pid_t> pids;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") == std::string::npos) pids.push_back(std::stoi(name));
    }
    return pids;
}

}  // namespace kuvano::bench
