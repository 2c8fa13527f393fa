#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "cli/StatusWatch.h"
#include "cli/WatchStop.h"
#include "cli/WatchTexts.h"
#include "protocol/device/linux/FileReceiverLock.h"
#include "protocol/i18n/ReceiverLinkTexts.h"

#include <QCoreApplication>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// One line, flushed at once: 0, or why it could not be written (EPIPE: the reader has gone).
int PrintLine(const QString& line)
{
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
        std::fflush(stdout) == 0)
        return 0;
    return errno != 0 ? errno : EIO;
}

// A reader that went away ends the watch quietly; any other failure to write is told, as is
// a receiver that cannot be locked against other programs.
int EndStatus(const StatusWatch& watch, CliOutput& out)
{
    if (!watch.lockFailure().isEmpty()) {
        out.error(
            [&] { return Localized(ReceiverLinkText::kLockUnavailable).arg(watch.lockFailure()); });
        return CliExit::kDeviceFailed;
    }
    const int error = watch.writeError();
    if (error == 0 || error == EPIPE)
        return CliExit::kDone;
    out.error([&] {
        return Localized(WatchText::kWriteFailed).arg(QString::fromLocal8Bit(std::strerror(error)));
    });
    return CliExit::kDeviceFailed;
}

}  // namespace

int RunWatch(CliSession& session, const CliOptions& options, CliOutput& out)
{
    out.setCompact(true);  // a failure's object is a line of the stream
    // The first state waits for the receiver as every command does; a later poll that finds it
    // taken is skipped, not waited for. A simulated receiver is this process's own.
    const std::shared_ptr<ReceiverLock> lock =
        options.simulate ? nullptr : std::make_shared<FileReceiverLock>();
    session.channel().setLock(lock, CliSession::kLockWaitMs);
    const int intervalMs = options.intervalSeconds.value_or(1) * 1000;
    QTimer timer;
    timer.setSingleShot(true);  // as the status tick: the next poll an interval after this one
    timer.setInterval(intervalMs);
    WatchStop stop([&session] {
        session.channel().setClosed(true);  // the poll under way ends after its exchange
        session.setDeviceChangeHandler(nullptr);
        QCoreApplication::exit(CliExit::kDone);
    });
    StatusWatch watch(session, options.receiver, options.json, PrintLine,
                      [] { return QDateTime::currentDateTime(); });
    watch.setWarning([&out](const QString& text) { out.warnNow(text); });
    if (options.bar)
        watch.setBar(BarFormatNamed(*options.bar));
    QObject::connect(&timer, &QTimer::timeout, [&] {
        watch.poll();
        if (watch.ended())
            QCoreApplication::exit(EndStatus(watch, out));
        else if (!stop.requested())
            timer.start();
    });
    if (watch.start() == CliSession::Open::NotFound)
        out.warnNow(Localized(CliText::kReceiverNotFound).arg(options.receiver));
    session.channel().setLock(lock, 0);
    if (watch.ended() || stop.requested())
        return EndStatus(watch, out);
    timer.start();
    return QCoreApplication::exec();
}
