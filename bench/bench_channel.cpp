// Exchanges per second that the command channel sustains against the simulated receiver on
// the test clock (no real waiting), so the figures measure the channel, the HID layer and the
// simulator themselves.
#include "protocol/device/CommandChannel.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// Runs `calls` sender calls and prints calls and feature reports (sets + gets) per second.
void measure(const char* name, int calls, const ReportLog& log,
             const std::function<int(int)>& call)
{
    using Clock = std::chrono::steady_clock;
    long long checksum = 0;
    const qint64 firstReport = log.mark();
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i)
        checksum += call(i);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double reports = double(log.mark() - firstReport);
    std::printf("%-30s %7d calls in %6.3f s: %9.0f calls/s, %9.0f reports/s (checksum %lld)\n",
                name, calls, seconds, calls / seconds, reports / seconds, checksum);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int exchanges = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200000;

    auto clock = std::make_shared<TestDeviceClock>();
    auto backend = std::make_shared<SimHidBackend>(clock);
    auto firmware = SimReceivers::defaultFirmware();
    const int receiverId = backend->plug(SimReceivers::receiverProfile(), firmware);
    THidDeviceController controller(backend);
    QCoreApplication::processEvents();
    THidDevice* receiver = nullptr;
    if (!controller.LendDevice(0, receiver)) {
        std::fprintf(stderr, "no simulated receiver listed\n");
        return 1;
    }
    CommandChannel channel(*clock);
    channel.setReceiver(receiver);

    measure("EepromReadWord, 1 attempt", exchanges, backend->log(),
            [&](int i) { return channel.EepromReadWord(quint8(i & 0x3F)); });
    measure("RfQuery, 1 attempt", exchanges, backend->log(),
            [&](int i) { return channel.RfQuery(0x24, quint8(i)); });

    // Three attempts each: the reply becomes valid 9 ms after the request.
    firmware->setReplyDelayMs(9);
    measure("EepromReadWord, 3 attempts", exchanges / 3, backend->log(),
            [&](int i) { return channel.EepromReadWord(quint8(i & 0x3F)); });
    firmware->setReplyDelayMs(0);

    backend->faults(receiverId).nackReplies(SimFaults::kAlways);
    measure("RfQuery, 50 unacknowledged", exchanges / 50, backend->log(),
            [&](int i) { return channel.RfQuery(0x24, quint8(i)); });

    std::printf("virtual time elapsed: %lld ms; report log holds %zu entries\n",
                static_cast<long long>(clock->nowMs()), backend->log().entries().size());
    channel.setReceiver(nullptr);
    controller.ReturnDevice(receiver);
    return 0;
}
