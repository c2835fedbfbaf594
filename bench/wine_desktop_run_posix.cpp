#include "wine_desktop_run_posix.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "proc_usage_posix.h"

extern char** environ;

namespace kuvano::bench {
namespace {

constexpr auto kStartPatience = std::chrono::seconds(60);

pid_t Spawn(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + arguments[0]);
    }
    return pid;
}

void RunToEnd(std::vector<std::string> arguments) {
    int status = 0;
    waitpid(Spawn(std::move(arguments)), &status, 0);
}

std::string PrefixFromEnvironment() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (!prefix) throw std::runtime_error("WINEPREFIX must name the Wine prefix");
    return prefix;
}

// Wine names the server's folder after the prefix's device and inode.
std::string ServerFolderName(const std::string& prefix) {
    struct stat info {};
    if (stat(prefix.c_str(), &info) != 0) throw std::runtime_error("no prefix at " + prefix);
    char name[64];
    std::snprintf(name, sizeof(name), "/server-%llx-%llx", static_cast<unsigned long long>(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino));
    return name;
}

// A process of Wine's own loader (not a shell or this meter) in the prefix.
bool IsWineProcessOf(pid_t pid, const std::string& prefix) {
    const auto executable = Executable(pid);
    if (!executable || !std::filesystem::path(*executable).filename().string().starts_with("wine")) return false;
    return HasEnvironmentEntry(pid, "WINEPREFIX=" + prefix);
}

pid_t FindByFirstArgument(const std::string& first) {
    const auto deadline = std::chrono::steady_clock::now() + kStartPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        for (const pid_t pid : AllProcesses()) {
            const auto arguments = Arguments(pid);
            if (!arguments.empty() && arguments[0] == first) return pid;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    throw std::runtime_error("no process runs " + first);
}

}  // namespace

WineDesktopRun::WineDesktopRun(const std::string& program) : prefix_(PrefixFromEnvironment()) {
    launcher_ = Spawn({"wine", "explorer", "/desktop=shell,1280x800", program});
    program_ = FindByFirstArgument(program);
}

WineDesktopRun::~WineDesktopRun() {
    RunToEnd({"wineserver", "-k"});
    RunToEnd({"wineserver", "-w"});
    int status = 0;
    waitpid(launcher_, &status, 0);
}

pid_t WineDesktopRun::Server() const {
    const std::string folder = ServerFolderName(prefix_);
    for (const pid_t pid : AllProcesses()) {
        const auto working = WorkingFolder(pid);
        if (working && working->ends_with(folder)) return pid;
    }
    throw std::runtime_error("no wineserver for " + prefix_);
}

std::vector<pid_t> WineDesktopRun::Others() const {
    const pid_t server = Server();
    std::vector<pid_t> others;
    for (const pid_t pid : AllProcesses()) {
        if (pid != program_ && pid != server && IsWineProcessOf(pid, prefix_)) others.push_back(pid);
    }
    return others;
}

}  // namespace kuvano::bench
