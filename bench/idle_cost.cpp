// The idle cost of Kuvano under Wine against two baselines: a minimal Win32
// program with the same two timers, and one that also makes the drive
// queries Kuvano must make. The CPU time and peak memory of each at rest,
// one after the other, each in a Wine started afresh in the same prefix.
//   idle_cost SETTLE_SECONDS MEASURED_SECONDS BASELINE.exe WORK_BASELINE.exe KUVANO.exe...
// Linux paths; WINEPREFIX and DISPLAY must be set. Waits SETTLE_SECONDS
// after each start, then measures over MEASURED_SECONDS. More than one
// Kuvano.exe (a build before a change, say) are measured in the same run.
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

constexpr double kCpuTarget = 2.0;      // Kuvano / timers baseline, at most
constexpr double kWorkCpuTarget = 1.10;  // Kuvano / work baseline, at most
constexpr double kMemoryTarget = 8.0;   // MiB more than either baseline, at most

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

void PrintRow(const std::string& name, const Figures& figures) {
    std::printf("%-22s %10.3f %9.1f %17.3f %19.3f\n", name.c_str(), figures.cpuPerMinute, figures.peakMebibytes,
                figures.serverPerMinute, figures.othersPerMinute);
}

void PrintRatio(const std::string& name, const Figures& kuvano, const char* baselineName, const Figures& baseline,
                double cpuTarget) {
    if (baseline.cpuPerMinute > 0) {
        std::printf("%s / %s: CPU %.2f (target at most %.2f), ", name.c_str(), baselineName,
                    kuvano.cpuPerMinute / baseline.cpuPerMinute, cpuTarget);
    } else {
        std::printf("%s / %s: CPU none, the baseline used no measurable time, ", name.c_str(), baselineName);
    }
    std::printf("peak memory %+.1f MiB (target at most %.0f)\n", kuvano.peakMebibytes - baseline.peakMebibytes,
                kMemoryTarget);
}

int Run(int argc, char** argv) {
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: idle_cost SETTLE_SECONDS MEASURED_SECONDS BASELINE.exe WORK_BASELINE.exe KUVANO.exe...\n");
        return 2;
    }
    const std::chrono::seconds settle(std::stoi(argv[1]));
    const std::chrono::seconds measured(std::stoi(argv[2]));
    std::printf("At rest under Wine, one after the other: %lld s to settle, then %lld s measured.\n",
                static_cast<long long>(settle.count()), static_cast<long long>(measured.count()));
    const Figures timers = Measure(argv[3], settle, measured);
    const Figures work = Measure(argv[4], settle, measured);
    std::vector<std::pair<std::string, Figures>> kuvanos;
    for (int i = 5; i < argc; ++i) {
        const std::string name = "Kuvano " + std::to_string(i - 4);
        std::printf("%s: %s\n", name.c_str(), argv[i]);
        kuvanos.emplace_back(name, Measure(argv[i], settle, measured));
    }

    std::printf("%-22s %10s %9s %17s %19s\n", "", "CPU s/min", "peak MiB", "wineserver s/min", "rest of Wine s/min");
    PrintRow("timers baseline", timers);
    PrintRow("work baseline", work);
    for (const auto& [name, figures] : kuvanos) PrintRow(name, figures);
    for (const auto& [name, figures] : kuvanos) {
        PrintRatio(name, figures, "timers baseline", timers, kCpuTarget);
        PrintRatio(name, figures, "work baseline", work, kWorkCpuTarget);
    }
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
