// Real time of a mouse option change that the mouse takes at once, and of a full settings
// read-back, on the simulated receiver with the real clock, each against the sum of the waits
// its protocol asks for (an option change: about a quarter of a second).
#include "device/CommandChannel.h"
#include "device/DeviceClock.h"
#include "device/HidController.h"
#include "receiver/OptionChange.h"
#include "receiver/SettingsReadBack.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace {

// The real clock, adding up the waits it is asked for.
class MeasuringClock final : public DeviceClock {
public:
    void sleep(int ms) override
    {
        askedMs_ += ms;
        real_.sleep(ms);
    }
    void pump() override { real_.pump(); }
    qint64 nowMs() const override { return real_.nowMs(); }
    long long takeAskedMs() { return std::exchange(askedMs_, 0); }

private:
    RealDeviceClock real_;
    long long askedMs_ = 0;
};

void measure(const char* name, int runs, MeasuringClock& clock, const std::function<bool(int)>& run)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> spent;
    long long asked = 0;
    bool allDone = true;
    for (int i = 0; i < runs; ++i) {
        clock.takeAskedMs();
        const auto start = Clock::now();
        allDone &= run(i);
        spent.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        asked = clock.takeAskedMs();
    }
    std::sort(spent.begin(), spent.end());
    std::printf("%-40s %3d runs: median %7.1f ms, min %7.1f, max %7.1f; waits asked %lld ms, "
                "overhead (median) %5.1f ms%s\n",
                name, runs, spent[spent.size() / 2], spent.front(), spent.back(), asked,
                spent[spent.size() / 2] - double(asked), allDone ? "" : "  (NOT COMPLETED)");
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;

    auto clock = std::make_shared<MeasuringClock>();
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
    measure("option change, taken at once", runs, *clock, [&](int i) {
        const int wanted = i % 2 == 0 ? Choice::kWakeupButtonOnly : Choice::kWakeupMotionAndButton;
        const OptionChange::Result result = change.Run(OptionGroup::Wakeup, [wanted] { return wanted; });
        return result.outcome == OptionChange::Outcome::Taken && result.passes == 1;
    });

    // The CPI step stands in for the window's CPI read-out with its polled read; the hotkey
    // read-out is left out.
    SettingsReadBack::Hooks hooks;
    hooks.readCpi = [&] {
        CommandChannel::Report reply{};
        return channel.polledRead(CommandChannel::request({0x0B}), reply) && reply[0] == 0;
    };
    measure("settings read-back, all steps", runs, *clock, [&](int) {
        const SettingsReadBack::Result result = SettingsReadBack(channel).Run(hooks);
        return result.position == SettingsReadBack::kLastPosition && result.passes == 1;
    });

    channel.setReceiver(nullptr);
    controller.ReturnDevice(receiver);
    return 0;
}
