// The idle cost of Kuvano under Wine against a minimal Win32 program with
// the same two timers: the CPU time and peak memory of each at rest, one
// after the other, each in a Wine started afresh in the same prefix.
//   idle_cost BASELINE.exe KUVANO.exe [SETTLE_SECONDS [MEASURED_SECONDS]]
// Linux paths; WINEPREFIX and DISPLAY must be set. Waits SETTLE_SECONDS
// (10) after the start, then measures over MEASURED_SECONDS (60).
#include <chrono>
#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "proc_usage_posix.h"
#include "wine_desktop_run_posix.h"

namespace kuvano::bench {
namespace {

constexpr double kCpuTarget = 2.0;     // Kuvano / baseline, at most
constexpr double kMemoryTarget = 8.0;  // MiB more than the baseline, at most

struct Figures {
    double cpuPerMinute = 0;  // the program's own process
    double peakMebibytes = 0;
    double serverPerMinute = 0;  // the wineserver, as context
    double othersPerMinute = 0;  // explorer, services, device drivers, as context
};

double Cpu(pid_t pid) {
    return CpuSeconds(pid).value_or(0.0);
}

// CPU seconds of each process now, for those still there at the end.
std::map<pid_t, double> CpuOf(const std::vector<pid_t>& pids) {
    std::map<pid_t, double> seconds;
    for (const pid_t pid : pids) seconds[pid] = Cpu(pid);
    return seconds;
}

double CpuSince(const std::map<pid_t, double>& before) {
    double total = 0;
    for (const auto& [pid, seconds] : before) {
        if (const auto now = CpuSeconds(pid)) total += *now - seconds;
    }
    return total;
}

Figures Measure(const std::string& program, std::chrono::seconds settle, std::chrono::seconds measured) {
    const WineDesktopRun run(program);
    std::this_thread::sleep_for(settle);
    const pid_t server = run.Server();
    const double programBefore = Cpu(run.Program());
    const double serverBefore = Cpu(server);
    const auto othersBefore = CpuOf(run.Others());
    std::this_thread::sleep_for(measured);

    const auto programAfter = CpuSeconds(run.Program());
    const auto peak = PeakMebibytes(run.Program());
    if (!programAfter || !peak) throw std::runtime_error(program + " ended while it was measured");
    const double perMinute = 60.0 / static_cast<double>(measured.count());
    return {(*programAfter - programBefore) * perMinute, *peak, (Cpu(server) - serverBefore) * perMinute,
            CpuSince(othersBefore) * perMinute};
}

void PrintRow(const char* name, const Figures& figures) {
    std::printf("%-15s %14.3f %10.1f %18.3f %18.3f\n", name, figures.cpuPerMinute, figures.peakMebibytes,
                figures.serverPerMinute, figures.othersPerMinute);
}

void PrintComparison(const Figures& baseline, const Figures& kuvano) {
    std::printf("%-15s %14s %10s %18s %18s\n", "", "CPU s/min", "peak MiB", "wineserver s/min", "rest of Wine s/min");
    PrintRow("idle baseline", baseline);
    PrintRow("Kuvano", kuvano);
    if (baseline.cpuPerMinute > 0) {
        std::printf("CPU Kuvano / baseline: %.2f (target at most %.0f)\n", kuvano.cpuPerMinute / baseline.cpuPerMinute,
                    kCpuTarget);
    } else {
        std::printf("CPU Kuvano / baseline: none, the baseline used no measurable time\n");
    }
    std::printf("peak memory Kuvano - baseline: %+.1f MiB (target at most %.0f)\n",
                kuvano.peakMebibytes - baseline.peakMebibytes, kMemoryTarget);
}

int Run(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: idle_cost BASELINE.exe KUVANO.exe [SETTLE_SECONDS [MEASURED_SECONDS]]\n");
        return 2;
    }
    const std::chrono::seconds settle(argc > 3 ? std::stoi(argv[3]) : 10);
    const std::chrono::seconds measured(argc > 4 ? std::stoi(argv[4]) : 60);
    std::printf("At rest under Wine, one after the other: %lld s to settle, then %lld s measured.\n",
                static_cast<long long>(settle.count()), static_cast<long long>(measured.count()));
    const Figures baseline = Measure(argv[1], settle, measured);
    const Figures kuvano = Measure(argv[2], settle, measured);
    PrintComparison(baseline, kuvano);
    return 0;
}

}  // namespace
}  // namespace kuvano::bench

int main(int argc, char** argv) {
    try {
        return kuvano::bench::Run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "idle_cost: %s\n", error.what());
        return 1;
    }
}
