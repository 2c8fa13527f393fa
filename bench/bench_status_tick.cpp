// One status tick of the window on the real clock with the simulated receiver, in each state
// the tick meets: its wall time against the sum of the sleeps its exchanges ask for, and the
// CPU time it costs. (bench_sequences has the status tick among every other sequence.)
//
//     bench_status_tick [ticks]
#include "SimWindow.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/MouseModel.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    bench::DefaultToOffscreen();
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;

    bench::SimWindow sim;
    if (!sim.Start()) {
        std::fprintf(stderr, "the simulated receiver was not attached\n");
        return 1;
    }
    TForm1& window = *sim.window;
    ReceiverState& state = window.State();
    MouseModel& mouse = sim.firmware->mouse();
    const auto measure = [&](const char* name, const std::function<void(int)>& before) {
        bench::PrintRow(name, bench::Repeat(ticks, *sim.clock,
                                            [&](int) { window.tmrStatusTimer(window.tmrStatus); },
                                            before));
    };

    bench::PrintHeader();
    measure("polling (battery, status)", [&](int) { state.SettingsRead = true; });
    measure("engineering mode (+ channel maps)", [&](int) {
        state.SettingsRead = true;
        window.SetEngineeringMode(true);
    });
    window.SetEngineeringMode(false);
    measure("settings unread, mouse moving", [&](int) {
        state.SettingsRead = false;
        mouse.setMoving(true);
    });
    measure("settings unread, mouse idle (provoked)", [&](int) {
        state.SettingsRead = false;
        mouse.setMoving(false);
    });
    measure("settings unread, mouse away", [&](int) {
        state.SettingsRead = false;
        mouse.setInReach(false);
    });
    window.tmrStatus->stop();
    return 0;
}
