// One status tick of the window on the real clock with the simulated receiver: its wall time
// against the sum of the sleeps its exchanges ask for, and the CPU time it costs.
//
//     bench_status_tick [ticks]
#include "app/MainWindow.h"
#include "app/UserPrompts.h"
#include "device/DeviceClock.h"
#include "i18n/MemoryLanguageStore.h"
#include "sim/MouseModel.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

namespace {

// The real clock, adding up the sleeps asked for.
class MeasuringClock final : public DeviceClock {
public:
    void sleep(int ms) override
    {
        sleptMs += ms;
        real_.sleep(ms);
    }
    void pump() override { real_.pump(); }
    qint64 nowMs() const override { return real_.nowMs(); }

    long long sleptMs = 0;

private:
    RealDeviceClock real_;
};

class SilentPrompts final : public UserPrompts {
public:
    void ShowMessage(QWidget*, const QString&) override {}
    void ShowInformation(QWidget*, const QString&, const QString&) override {}
    bool AskPassword(QWidget*, QString&) override { return false; }
    void RunLanguageChooser(TForm2&) override {}
    void ShowNotice(QWidget*, const QString&, const QString&, bool) override {}
};

double CpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double WallMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Runs `ticks` status ticks, each after `before`, and prints the means per tick.
void Measure(const char* name, TForm1& window, MeasuringClock& clock, int ticks,
             const std::function<void()>& before)
{
    double wall = 0, cpu = 0, worstWall = 0;
    long long slept = 0;
    for (int i = 0; i < ticks; ++i) {
        before();
        clock.sleptMs = 0;
        const double wall0 = WallMs();
        const double cpu0 = CpuMs();
        window.tmrStatusTimer(window.tmrStatus);
        const double tickWall = WallMs() - wall0;
        cpu += CpuMs() - cpu0;
        wall += tickWall;
        worstWall = std::max(worstWall, tickWall);
        slept += clock.sleptMs;
    }
    const double n = ticks;
    std::printf("%-38s wall %7.2f ms (worst %7.2f)  sleeps %7.2f ms  wall-sleeps %6.2f ms  "
                "CPU %6.3f ms\n",
                name, wall / n, worstWall, double(slept) / n, (wall - double(slept)) / n,
                cpu / n);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;

    auto clock = std::make_shared<MeasuringClock>();
    auto backend = std::make_shared<SimHidBackend>(clock);
    auto firmware = SimReceivers::demoFirmware();
    backend->plug(SimReceivers::receiverProfile(), firmware);

    AppServices services;
    services.hid = backend;
    services.clock = clock;
    services.prompts = std::make_shared<SilentPrompts>();
    services.languages = std::make_shared<MemoryLanguageStore>(QStringLiteral("lkEng"));
    services.endProcess = [](int) {};
    TForm1 window(services);
    window.FormCreate(&window);
    QCoreApplication::processEvents();  // the first device notification attaches the receiver
    if (!window.Receiver()) {
        std::fprintf(stderr, "the simulated receiver was not attached\n");
        return 1;
    }

    std::printf("%d ticks each, means per tick\n", ticks);
    ReceiverState& state = window.State();
    MouseModel& mouse = firmware->mouse();
    Measure("polling (battery, status)", window, *clock, ticks,
            [&] { state.SettingsRead = true; });
    Measure("engineering mode (+ channel maps)", window, *clock, ticks, [&] {
        state.SettingsRead = true;
        window.EngineeringMode = true;
    });
    window.EngineeringMode = false;
    Measure("settings unread, mouse moving", window, *clock, ticks, [&] {
        state.SettingsRead = false;
        mouse.setMoving(true);
    });
    Measure("settings unread, mouse idle (provoked)", window, *clock, ticks, [&] {
        state.SettingsRead = false;
        mouse.setMoving(false);
    });
    Measure("settings unread, mouse away", window, *clock, ticks, [&] {
        state.SettingsRead = false;
        mouse.setInReach(false);
    });
    window.tmrStatus->stop();
    return 0;
}
