// A long run of the window on the simulated receiver and the test clock: status ticks with
// random faults on the wire, a pairing, an option change or a hotkey store every few hundred
// ticks, and the receiver pulled out now and then. Prints the memory in use at the start, every
// tenth of the way and at the end. Built with -DSANITIZE=ON it also runs LeakSanitizer once the
// window is gone.
//
//     bench_soak [ticks = 100000] [seed = 1]
#include "protocol/device/DeviceClock.h"
#include "sim/MouseModel.h"
#include "sim/ReceiverModel.h"
#include "sim/ReportLog.h"
#include "sim/SimFaults.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <limits>
#include <malloc.h>
#include <map>
#include <random>
#include <string>
#include <vector>

extern "C" size_t __sanitizer_get_current_allocated_bytes() __attribute__((weak));
extern "C" int __lsan_do_recoverable_leak_check() __attribute__((weak));

namespace {

// Bytes the program has allocated and not freed: the sanitizer allocator's count when it is
// there, the C library's otherwise.
long long HeapInUse()
{
    if (__sanitizer_get_current_allocated_bytes)
        return (long long)__sanitizer_get_current_allocated_bytes();
    return (long long)mallinfo2().uordblks;
}

long long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

// The window's debug list holds up to 10,000 lines: memory grows until it is full.
void PrintMemory(const char* when, long long tick, int debugLines = -1)
{
    std::printf("%-11s tick %7lld  heap in use %7.2f MiB  resident %7.2f MiB", when, tick,
                double(HeapInUse()) / (1 << 20), double(ResidentKb()) / 1024);
    if (debugLines >= 0)
        std::printf("  debug lines %5d", debugLines);
    std::printf("\n");
    std::fflush(stdout);
}

double WallSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// The soak: one window, one receiver model plugged in again after each removal.
class Soak {
public:
    explicit Soak(unsigned seed) : random_(seed)
    {
        SimSession::Options options;
        options.firmware = firmware_;
        session_ = std::make_unique<SimSession>(options);
        session_->clock().setProcessEvents(true);  // device changes arrive where events run
        device_ = session_->receiverId();
    }

    void Tick(long long tick)
    {
        tick_ = tick;
        TestDeviceClock& clock = session_->clock();
        clock.advance(1000);
        clock.clearRecord();         // the test clock's record of sleeps: not the tool's memory
        session_->log().clear();     // nor the simulated wire's log
        if (!plugged_ && tick >= replugAt_)
            Replug();
        if (tick >= restoreAt_)
            Restore();
        if (plugged_ && Chance(10))
            ArmFault();
        if (plugged_ && tick >= nextAction_) {
            Act();
            nextAction_ = tick + Between(200, 400);
        }
        session_->window().tmrStatusTimer(nullptr);
        session_->DeliverEvents();
        NoteRemoval();
        ++counts_["status ticks"];
    }

    void PrintCounts(double seconds) const
    {
        for (const auto& [what, count] : counts_)
            std::printf("  %-30s %8lld\n", what.c_str(), count);
        std::printf("  %-30s %8.0f s of device time in %.1f s\n", "time",
                    double(session_->clock().nowMs()) / 1000, seconds);
    }

    int DebugLines() const { return session_->Find<QListWidget>(QStringLiteral("lstDebug"))->count(); }
    void End() { session_.reset(); }

private:
    bool Chance(int percent) { return int(random_() % 100) < percent; }
    int Between(int low, int high) { return low + int(random_() % unsigned(high - low + 1)); }
    SimFaults& Faults() { return session_->backend().faults(device_); }

    void ArmFault()
    {
        using Arm = std::function<void()>;
        const std::vector<std::pair<const char*, Arm>> faults = {
            {"fault: unacknowledged replies", [&] { Faults().nackReplies(Between(1, 60)); }},
            {"fault: failing sets", [&] { Faults().failSets(Between(1, 5)); }},
            {"fault: failing gets", [&] { Faults().failGets(Between(1, 5)); }},
            {"fault: corrupted replies",
             [&] { Faults().corruptReplies(Between(1, 20), Between(0, 7), quint8(1u << Between(0, 7))); }},
            {"fault: mouse out of reach", [&] { firmware_->mouse().setInReach(false); }},
            {"fault: late replies", [&] { firmware_->setReplyDelayMs(Between(3, 300)); }},
            {"fault: binding unsettled", [&] { firmware_->setBindingUnsettled(Between(1, 30)); }},
            {"fault: unplugged", [&] { Faults().unplugAtExchange(Between(1, 30)); }},
        };
        // Removals are rarer than the rest.
        const auto& [name, arm] = faults[size_t(Chance(3) ? faults.size() - 1 : Between(0, int(faults.size()) - 2))];
        arm();
        ++counts_[name];
        restoreAt_ = std::min(restoreAt_, tick_ + Between(1, 20));
    }

    // Ends the lasting faults: the mouse comes back, replies come in time.
    void Restore()
    {
        firmware_->mouse().setInReach(true);
        firmware_->setReplyDelayMs(0);
        restoreAt_ = std::numeric_limits<long long>::max();
    }

    void Act()
    {
        TForm1& window = session_->window();
        switch (Between(0, 2)) {
        case 0: {
            ++counts_["pairings"];
            firmware_->setPairing({Chance(50) ? 3000 : ReceiverModel::kNever, false, 0});
            window.btnCombo_Cmd_Soft_Bind_SWClick(nullptr);
            for (int i = 0; i < 20 && window.tmrSoftBind->isActive(); ++i) {
                session_->clock().advance(1000);
                window.tmrSoftBindTimer(nullptr);
                session_->DeliverEvents();
            }
            break;
        }
        case 1: {
            ++counts_["option changes"];
            static const char* const kButtons[] = {"rbRF_DR_15", "rbRF_DR_1A", "rbRF_CPI_H",
                                                   "rbRF_CPI_L", "rbRF_DR_45", "rbRF_DR_4A",
                                                   "rbRF_DR_4F", "rbRF_DR_25", "rbRF_DR_2A"};
            session_->Click(QString::fromLatin1(kButtons[Between(0, 8)]));
            break;
        }
        default:
            ++counts_["hotkey stores"];
            session_->Choose(QStringLiteral("cbCustKey1"), Between(0, 23));
            break;
        }
        session_->DeliverEvents();
    }

    void NoteRemoval()
    {
        if (!plugged_ || session_->backend().isPlugged(device_))
            return;
        plugged_ = false;
        replugAt_ = tick_ + Between(1, 10);
    }

    void Replug()
    {
        Faults().clear();
        device_ = session_->Plug(SimReceivers::receiverProfile(), firmware_);
        session_->DeliverEvents();
        plugged_ = true;
        ++counts_["plugged in again"];
    }

    std::mt19937 random_;
    std::shared_ptr<ReceiverModel> firmware_ = SimReceivers::demoFirmware();
    std::unique_ptr<SimSession> session_;
    int device_ = -1;
    long long tick_ = 0;
    bool plugged_ = true;
    long long replugAt_ = 0;
    long long restoreAt_ = std::numeric_limits<long long>::max();
    long long nextAction_ = 300;
    std::map<std::string, long long> counts_;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const long long ticks = argc > 1 ? std::max(1LL, std::atoll(argv[1])) : 100000;
    const unsigned seed = argc > 2 ? unsigned(std::atoi(argv[2])) : 1;

    std::printf("%lld status ticks, seed %u\n", ticks, seed);
    PrintMemory("before", 0);
    const double start = WallSeconds();
    {
        Soak soak(seed);
        PrintMemory("start", 0, soak.DebugLines());
        for (long long tick = 1; tick <= ticks; ++tick) {
            soak.Tick(tick);
            if (tick % (ticks / 10 > 0 ? ticks / 10 : 1) == 0)
                PrintMemory(tick == ticks ? "end" : "", tick, soak.DebugLines());
        }
        soak.PrintCounts(WallSeconds() - start);
        soak.End();
    }
    PrintMemory("window gone", ticks);
    if (__lsan_do_recoverable_leak_check) {
        const bool leaks = __lsan_do_recoverable_leak_check() != 0;
        std::printf("LeakSanitizer: %s\n", leaks ? "leaks found, reported above" : "no leak");
        return leaks ? 1 : 0;
    }
    return 0;
}
