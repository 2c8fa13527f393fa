// Pieces shared by the benchmarks that run on the real clock: a clock that adds up the waits
// the protocol asks for, wall and CPU time, and a table of medians.
#pragma once

#include "protocol/device/DeviceClock.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace bench {

inline double CpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

inline double WallMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The real clock, adding up the waits it is asked for and the time they took: a sleep ends
// somewhat late (the kernel's timer slack and wake-up latency), which is not the window's.
class MeasuringClock final : public DeviceClock {
public:
    void sleep(int ms) override
    {
        askedMs_ += ms;
        const double start = WallMs();
        real_.sleep(ms);
        asleepMs_ += WallMs() - start;
    }
    void pump() override { real_.pump(); }
    qint64 nowMs() const override { return real_.nowMs(); }
    long long takeAskedMs() { return std::exchange(askedMs_, 0); }
    double takeAsleepMs() { return std::exchange(asleepMs_, 0.0); }

private:
    RealDeviceClock real_;
    long long askedMs_ = 0;
    double asleepMs_ = 0;
};

// One run of a sequence: wall and CPU time, the waits its exchanges asked for and the time
// they took.
struct RunFigures {
    double wallMs = 0;
    double cpuMs = 0;
    long long askedMs = 0;
    double asleepMs = 0;
};

// One measured run, kept out of line so that an instruction count can be limited to the runs:
//     valgrind --tool=callgrind --collect-atstart=no --toggle-collect='bench::RunMeasured*'
//              --dump-after='bench::PrintRow*' build/bin/bench_sequences 5
// writes one profile per table row (tools/count-instructions.sh adds them up).
[[gnu::noinline]] inline void RunMeasured(const std::function<void(int)>& run, int i)
{
    run(i);
}

// Runs `run` `runs` times, `before` ahead of each one outside the measurement.
inline std::vector<RunFigures> Repeat(int runs, MeasuringClock& clock,
                                      const std::function<void(int)>& run,
                                      const std::function<void(int)>& before = {})
{
    std::vector<RunFigures> figures;
    for (int i = 0; i < runs; ++i) {
        if (before)
            before(i);
        clock.takeAskedMs();
        clock.takeAsleepMs();
        const double wall0 = WallMs();
        const double cpu0 = CpuMs();
        RunMeasured(run, i);
        RunFigures f;
        f.wallMs = WallMs() - wall0;
        f.cpuMs = CpuMs() - cpu0;
        f.askedMs = clock.takeAskedMs();
        f.asleepMs = clock.takeAsleepMs();
        figures.push_back(f);
    }
    return figures;
}

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

template <class Field>
double MedianOf(const std::vector<RunFigures>& figures, Field field)
{
    std::vector<double> values;
    for (const RunFigures& f : figures)
        values.push_back(double(f.*field));
    return Median(values);
}

// "sleeps" are the waits asked for, "ratio" the wall time over them; "asleep" is the time
// those sleeps took, and "awake" the wall time outside them: the time the tool's own work and
// the scheduler took.
inline void PrintHeader()
{
    std::printf("%-40s %4s %9s %9s %6s %9s %8s %8s %9s\n", "sequence (medians per run)",
                "runs", "wall ms", "sleeps ms", "ratio", "asleep ms", "awake ms", "CPU ms",
                "worst ms");
}

// One table row of medians, and the slowest run's wall time.
[[gnu::noinline]] inline void PrintRow(const char* name, const std::vector<RunFigures>& figures)
{
    const double wall = MedianOf(figures, &RunFigures::wallMs);
    const double asked = MedianOf(figures, &RunFigures::askedMs);
    const double asleep = MedianOf(figures, &RunFigures::asleepMs);
    std::vector<double> awake;
    double worst = 0;
    for (const RunFigures& f : figures) {
        awake.push_back(f.wallMs - f.asleepMs);
        worst = std::max(worst, f.wallMs);
    }
    char ratio[16] = "-";
    if (asked > 0)
        std::snprintf(ratio, sizeof ratio, "%.3f", wall / asked);
    std::printf("%-40s %4zu %9.2f %9.1f %6s %9.2f %8.3f %8.3f %9.2f\n", name, figures.size(),
                wall, asked, ratio, asleep, Median(awake), MedianOf(figures, &RunFigures::cpuMs),
                worst);
    std::fflush(stdout);
}

// Sets the platform to offscreen unless the caller chose one.
inline void DefaultToOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace bench
