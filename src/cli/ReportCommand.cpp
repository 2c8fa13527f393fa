#include "cli/BugReport.h"
#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "cli/WatchLines.h"
#include "protocol/device/HidController.h"
#include "protocol/receiver/SettingsService.h"
#include "protocol/receiver/StatusPoll.h"

#include <QDateTime>

namespace {

// The receiver's status and settings, as status and get read them; a problem instead of them
// when there is no receiver to read.
QJsonObject ReadReceiver(CliSession& session, const CliOptions& options,
                         std::optional<QJsonObject>& settings)
{
    switch (session.OpenReceiver(options.receiver)) {
    case CliSession::Open::Ok: break;
    case CliSession::Open::NoAccess: return BugReport::ReceiverProblem(CliText::kAccessDenied.eng);
    default: return BugReport::ReceiverProblem(CliText::kNoReceiver.eng);
    }
    CommandChannel& channel = session.channel();
    const std::optional<StatusReading> reading = ReadStatus(channel, false);
    if (channel.lockRefused()) {
        channel.clearLockRefused();  // a report is made all the same
        return BugReport::ReceiverProblem(CliText::kWindowBusy.eng);
    }
    if (!reading)
        return BugReport::ReceiverProblem(CliText::kNoAnswer.eng);
    const THidDevice& device = *session.receiver();
    const WatchedReceiver receiver{device.PnPInfo().DevicePath,    quint16(device.VendorID()),
                                   quint16(device.ProductID()),    reading,
                                   MouseInReach(reading->binding), {}};
    SettingsService service(channel, session.state());
    service.setMouseCheckedFirst(true);
    const SettingsService::Readings readings = service.read();
    channel.clearLockRefused();
    settings = BugReport::SettingsPart(
        [&readings](const SettingRow& row) { return readings.of(row).choice; });
    return BugReport::ReceiverPart(receiver, options.full);
}

}  // namespace

int RunReport(CliSession& session, const CliOptions& options, CliOutput& out)
{
    // The system first: who holds the receiver's lock now, not once the receiver was read.
    const QJsonObject system = BugReport::GatherSystem();
    std::optional<QJsonObject> settings;
    const QJsonObject receiver = ReadReceiver(session, options, settings);
    const QJsonObject report = BugReport::Assemble(system, receiver, settings);
    if (out.json())
        out.document() = report;
    else
        out.line(BugReport::Text(report, IsoTime(QDateTime::currentDateTime())).trimmed());
    return CliExit::kDone;
}
