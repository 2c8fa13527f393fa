// karvelo-rf-virtual: the simulated receiver as a real HID device through /dev/uhid.
#include "sim/ReceiverModel.h"
#include "virtual/UhidReceiver.h"
#include "virtual/VirtualOptions.h"
#include "virtual/VirtualSetup.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

void Say(const QString& line)
{
    std::fprintf(stderr, "karvelo-rf-virtual: %s\n", qPrintable(line));
}

qint64 NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QString OpenFailureText(UhidReceiver::OpenResult result, const QString& path, int error)
{
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    switch (result) {
    case UhidReceiver::OpenResult::Missing:
        return QStringLiteral("%1 is missing: load the uhid module with 'sudo modprobe uhid'")
            .arg(path);
    case UhidReceiver::OpenResult::Refused:
        return QStringLiteral("%1 refused (%2): run as root, or give this user read-write "
                              "access to it")
            .arg(path, reason);
    default: return QStringLiteral("cannot open %1: %2").arg(path, reason);
    }
}

// The signalFd that steer the program, read from a descriptor beside /dev/uhid.
int SignalDescriptor()
{
    sigset_t set;
    sigemptyset(&set);
    for (int signal : {SIGUSR1, SIGUSR2, SIGTERM, SIGINT})
        sigaddset(&set, signal);
    if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0)
        return -1;
    std::signal(SIGPIPE, SIG_IGN);
    return signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
}

// Writes the receiver's report log, line by line as it grows.
class LogWriter {
public:
    explicit LogWriter(const QString& path)
    {
        if (path == QLatin1String("-"))
            file_ = stdout;
        else if (!path.isEmpty())
            file_ = std::fopen(path.toLocal8Bit().constData(), "w");
    }
    ~LogWriter()
    {
        if (file_ && file_ != stdout)
            std::fclose(file_);
    }
    bool failed(const QString& path) const { return !path.isEmpty() && !file_; }

    void writeNew(const UhidReceiver& receiver)
    {
        for (const ReportLogEntry& e : receiver.logSince(mark_)) {
            mark_ = e.sequence + 1;
            if (file_)
                std::fprintf(file_, "%lld %s %s %s\n", static_cast<long long>(e.timeMs),
                             e.isSet() ? "set" : "get", e.ok ? "ok" : "failed",
                             qPrintable(e.hex()));
        }
        if (file_)
            std::fflush(file_);
    }

private:
    FILE* file_ = nullptr;
    qint64 mark_ = 0;
};

class Session {
public:
    Session(UhidReceiver& receiver, const VirtualOptions& options, LogWriter& log)
        : receiver_(receiver), options_(options), log_(log)
    {}

    int run(int signalFd)
    {
        if (!plug())
            return kExitFailed;
        if (options_.unplugAfterMs >= 0)
            unplugAt_ = NowMs() + options_.unplugAfterMs;
        while (!ended_) {
            pollfd watched[2] = {{receiver_.fd(), POLLIN, 0}, {signalFd, POLLIN, 0}};
            if (::poll(watched, 2, waitMs()) < 0 && errno != EINTR)
                return kExitFailed;
            if ((watched[0].revents & POLLIN) && !receiver_.serve(0))
                return kExitFailed;
            if (watched[1].revents & POLLIN)
                takeSignals(signalFd);
            keepSchedule();
            log_.writeNew(receiver_);
        }
        unplug();
        log_.writeNew(receiver_);
        return kExitDone;
    }

private:
    int waitMs() const
    {
        qint64 wait = 1000;
        for (qint64 at : {unplugAt_, replugAt_})
            if (at >= 0)
                wait = std::min(wait, std::max<qint64>(at - NowMs(), 0));
        return int(wait);
    }

    void takeSignals(int signalFd)
    {
        signalfd_siginfo info;
        for (int i = 0; i < 16 && ::read(signalFd, &info, sizeof info) == ssize_t(sizeof info);
             ++i) {
            if (info.ssi_signo == SIGUSR1)
                unplug();
            else if (info.ssi_signo == SIGUSR2)
                plug();
            else
                ended_ = true;
        }
    }

    void keepSchedule()
    {
        const qint64 now = NowMs();
        if (unplugAt_ >= 0 && now >= unplugAt_) {
            unplugAt_ = -1;
            unplug();
        }
        if (replugAt_ >= 0 && now >= replugAt_)
            plug();
        if (wasPlugged_ && !receiver_.isPlugged()) {  // a fault unplugged it
            wasPlugged_ = false;
            Say(QStringLiteral("unplugged at an exchange"));
            scheduleReplug();
        }
    }

    bool plug()
    {
        replugAt_ = -1;
        if (receiver_.isPlugged())
            return true;
        wasPlugged_ = receiver_.plug();
        if (wasPlugged_)
            Say(QStringLiteral("plugged in"));
        else
            Say(QStringLiteral("the kernel refused the device"));
        return wasPlugged_;
    }

    void unplug()
    {
        if (!receiver_.isPlugged())
            return;
        receiver_.unplug();
        wasPlugged_ = false;
        Say(QStringLiteral("unplugged"));
        scheduleReplug();
    }

    void scheduleReplug()
    {
        if (options_.replugAfterMs >= 0 && !ended_)
            replugAt_ = NowMs() + options_.replugAfterMs;
    }

    UhidReceiver& receiver_;
    const VirtualOptions& options_;
    LogWriter& log_;
    qint64 unplugAt_ = -1;
    qint64 replugAt_ = -1;
    bool wasPlugged_ = false;
    bool ended_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const VirtualOptions options = ParseVirtualOptions(app.arguments().mid(1));
    if (options.help) {
        std::fputs(qPrintable(VirtualUsage()), stdout);
        return kExitDone;
    }
    if (!options.error.isEmpty()) {
        Say(options.error);
        return kExitUsage;
    }
    const std::shared_ptr<ReceiverModel> firmware = FirmwareOf(options);
    UhidReceiver receiver(ProfileOf(options), firmware);
    receiver.withState([&options](ReceiverModel* model, SimFaults& faults) {
        ApplyFaults(options, *model, faults);
    });
    LogWriter log(options.logPath);
    if (log.failed(options.logPath)) {
        Say(QStringLiteral("cannot write the log %1").arg(options.logPath));
        return kExitFailed;
    }
    const UhidReceiver::OpenResult opened = receiver.open(options.uhidPath);
    if (opened != UhidReceiver::OpenResult::Ok) {
        Say(OpenFailureText(opened, options.uhidPath, receiver.openErrno()));
        return opened == UhidReceiver::OpenResult::Failed ? kExitFailed : kExitNoUhid;
    }
    const int signalFd = SignalDescriptor();
    if (signalFd < 0) {
        Say(QStringLiteral("cannot take signalFd"));
        return kExitFailed;
    }
    return Session(receiver, options, log).run(signalFd);
}
