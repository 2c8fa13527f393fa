// One status tick and one settings read-back of the window on the real clock, on the simulated
// backend and on the kernel's HID stack (hidapi over hidraw, the same firmware answering
// through /dev/uhid from a thread of this program), in the same machine: the ratio of the two
// is what the real path costs over the simulated one, whatever the machine's speed. Needs
// /dev/uhid and root: tools/measure-kernel-rig.sh runs it in the virtual machine of
// tests/kernel/.
//
//     bench_real_stack [runs]
#include "BenchSupport.h"
#include "GuestRig.h"
#include "protocol/device/linux/LinuxHidBackend.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "window/app/MainWindow.h"

#include <QApplication>
#include <QProcess>

#include <cstdlib>

namespace {

struct Figures {
    std::vector<bench::RunFigures> statusTick;
    std::vector<bench::RunFigures> readBack;
};

std::shared_ptr<ReceiverModel> Firmware()
{
    std::shared_ptr<ReceiverModel> firmware = SimReceivers::demoFirmware();
    firmware->setReplyDelayMs(0);  // answered at once, as bench_sequences has it
    return firmware;
}

// Both sequences on the window attached through `backend`; nothing when it did not attach.
std::optional<Figures> Measure(std::shared_ptr<HidBackend> backend,
                               const std::shared_ptr<bench::MeasuringClock>& clock, int runs)
{
    GuestWindow window(std::move(backend), clock);
    if (!window->Receiver())
        return std::nullopt;
    TForm1& w = *window;
    Figures figures;
    figures.statusTick = bench::Repeat(runs, *clock, [&](int) { w.tmrStatusTimer(w.tmrStatus); },
                                       [&](int) {
                                           window.holdTimers();
                                           w.State().SettingsRead = true;  // no read-back
                                       });
    figures.readBack = bench::Repeat(runs, *clock, [&](int) { w.btnRdRFSettingClick(nullptr); },
                                     [&](int) { window.holdTimers(); });
    return figures;
}

// The wall time and the time outside the protocol's sleeps, real path over simulated.
void PrintRatio(const char* name, const std::vector<bench::RunFigures>& kernel,
                const std::vector<bench::RunFigures>& sim)
{
    const auto awake = [](const std::vector<bench::RunFigures>& figures) {
        std::vector<double> values;
        for (const bench::RunFigures& f : figures)
            values.push_back(f.wallMs - f.asleepMs);
        return bench::Median(values);
    };
    std::printf("%-40s wall %.2f, awake %.2f\n", name,
                bench::MedianOf(kernel, &bench::RunFigures::wallMs) /
                    bench::MedianOf(sim, &bench::RunFigures::wallMs),
                awake(kernel) / awake(sim));
}

}  // namespace

int main(int argc, char** argv)
{
    bench::DefaultToOffscreen();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;

    auto simClock = std::make_shared<bench::MeasuringClock>();
    auto sim = std::make_shared<SimHidBackend>(simClock);
    sim->plug(SimReceivers::receiverProfile(), Firmware());
    const std::optional<Figures> onSim = Measure(sim, simClock, runs);

    ServedReceiver receiver(SimReceivers::receiverProfile(), Firmware());
    if (!receiver.plug()) {
        std::fprintf(stderr, "bench_real_stack: cannot serve a receiver through /dev/uhid (root?)\n");
        return 1;
    }
    QProcess::execute(QStringLiteral("udevadm"), {QStringLiteral("settle"), QStringLiteral("--timeout=10")});
    const std::optional<Figures> onKernel =
        Measure(CreateLinuxHidBackend(), std::make_shared<bench::MeasuringClock>(), runs);
    if (!onSim || !onKernel) {
        std::fprintf(stderr, "bench_real_stack: the window did not attach to the %s receiver\n",
                     onSim ? "served" : "simulated");
        return 1;
    }

    bench::PrintHeader();
    bench::PrintRow("status tick, simulated backend", onSim->statusTick);
    bench::PrintRow("status tick, hidraw and uhid", onKernel->statusTick);
    bench::PrintRow("settings read-back, simulated backend", onSim->readBack);
    bench::PrintRow("settings read-back, hidraw and uhid", onKernel->readBack);
    std::printf("\nreal path over simulated backend (medians)\n");
    PrintRatio("status tick", onKernel->statusTick, onSim->statusTick);
    PrintRatio("settings read-back", onKernel->readBack, onSim->readBack);
    return 0;
}
