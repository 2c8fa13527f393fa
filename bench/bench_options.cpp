// Real time of a mouse option change that the mouse takes at once, and of a full settings
// read-back, on the simulated receiver with the real clock, each against the sum of the waits
// its protocol asks for (an option change: about a quarter of a second).
#include "BenchSupport.h"
#include "protocol/device/CommandChannel.h"
#include "protocol/device/HidController.h"
#include "protocol/receiver/OptionChange.h"
#include "protocol/receiver/SettingsReadBack.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QCoreApplication>

#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    auto clock = std::make_shared<bench::MeasuringClock>();
    auto backend = std::make_shared<SimHidBackend>(clock);
    backend->plug(SimReceivers::receiverProfile(), SimReceivers::demoFirmware());
    THidDeviceController controller(backend);
    QCoreApplication::processEvents();
    THidDevice* receiver = nullptr;
    if (!controller.LendDevice(0, receiver)) {
        std::fprintf(stderr, "no simulated receiver listed\n");
        return 1;
    }
    CommandChannel channel(*clock);
    channel.setReceiver(receiver);

    // Alternate the wake-up source so that every run is a real change.
    OptionChange change(channel);
    const SettingRow& wakeup = *FindSetting(QStringLiteral("wakeup"));
    bool allDone = true;
    bench::PrintHeader();
    bench::PrintRow("option change, taken at once", bench::Repeat(runs, *clock, [&](int i) {
                        const int wanted = i % 2;  // the one and the other
                        const OptionChange::Result result =
                            change.run(wakeup, [wanted] { return wanted; });
                        allDone &=
                            result.outcome == OptionChange::Outcome::Taken && result.passes == 1;
                    }));

    // The CPI step stands in for the window's CPI read-out with its polled read; the hotkey
    // read-out is left out.
    SettingsReadBack::Hooks hooks;
    hooks.readCpi = [&] {
        CommandChannel::Report reply{};
        return channel.polledRead(CommandChannel::request({0x0B}), reply) && reply[0] == 0;
    };
    bench::PrintRow("settings read-back, all steps", bench::Repeat(runs, *clock, [&](int) {
                        const SettingsReadBack::Result result =
                            SettingsReadBack(channel).run(hooks);
                        allDone &= result.position == ReadBackSteps() && result.passes == 1;
                    }));
    if (!allDone)
        std::printf("(some runs did not complete)\n");

    channel.setReceiver(nullptr);
    controller.ReturnDevice(receiver);
    return 0;
}
