#include "forked_run_posix.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace kuvano::bench {
namespace {

long PeakKibibytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // Linux gives it in KiB
}

[[noreturn]] void RunChild(const std::function<int64_t()>& work, int output) {
    ForkedRun run{.startKibibytes = PeakKibibytes()};
    const auto start = std::chrono::steady_clock::now();
    run.result = work();
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKibibytes = PeakKibibytes();
    const bool written = write(output, &run, sizeof run) == static_cast<ssize_t>(sizeof run);
    _exit(written ? 0 : 1);
}

}  // namespace

ForkedRun RunForked(const std::function<int64_t()>& work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) throw std::runtime_error("cannot make a pipe");
    std::fflush(nullptr);  // the child must not print what the parent buffered
    const pid_t child = fork();
    if (child < 0) throw std::runtime_error("cannot fork");
    if (child == 0) {
        close(pipeEnds[0]);
        RunChild(work, pipeEnds[1]);
    }
    close(pipeEnds[1]);
    ForkedRun run;
    const bool read = ::read(pipeEnds[0], &run, sizeof run) == static_cast<ssize_t>(sizeof run);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("a run failed");
    return run;
}

}  // namespace kuvano::bench
