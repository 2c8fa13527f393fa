#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "cli/StatusWatch.h"
#include "cli/WatchStop.h"
#include "protocol/device/linux/FileReceiverLock.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

// One line, flushed at once; false when the reader has gone (EPIPE).
bool PrintLine(const QString& line)
{
    const QByteArray bytes = line.toLocal8Bit() + '\n';
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) ==
               size_t(bytes.size()) &&
           std::fflush(stdout) == 0;
}

// The stream goes on without a receiver, waiting for one; why there is none is said once.
void WarnOpen(CliSession::Open opened, CliSession& session, const QString& node, CliOutput& out)
{
    if (opened == CliSession::Open::NoAccess)
        out.warnNow(Localized(CliText::kNoAccess)
                        .arg(node.isEmpty() ? session.deniedNodes().front() : node));
    else if (opened == CliSession::Open::NotFound)
        out.warnNow(Localized(CliText::kReceiverNotFound).arg(node));
}

}  // namespace

int RunWatch(CliSession& session, const CliOptions& options, CliOutput& out)
{
    // A poll that finds the receiver taken is skipped, not waited for.
    session.channel().setLock(std::make_shared<FileReceiverLock>(), 0);
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
    QObject::connect(&timer, &QTimer::timeout, [&] {
        watch.Poll();
        if (watch.readerGone())
            QCoreApplication::exit(CliExit::kDone);
        else if (!stop.requested())
            timer.start();
    });
    WarnOpen(watch.Start(), session, options.receiver, out);
    if (watch.readerGone() || stop.requested())
        return CliExit::kDone;
    timer.start();
    QCoreApplication::exec();
    return CliExit::kDone;
}
