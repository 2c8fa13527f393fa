#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "cli/StatusReport.h"
#include "protocol/device/HidController.h"
#include "protocol/receiver/StatusPoll.h"

int RunStatus(CliSession& session, const CliOptions&, CliOutput& out)
{
    const std::optional<StatusReading> reading = ReadStatus(session.channel(), false);
    if (!reading) {
        out.error([&] { return Localized(CliText::kNoAnswer); });
        return CliExit::kDeviceFailed;
    }
    if (!(reading->battery && reading->cpi && reading->binding) && session.ReceiverRemoved())
        return CliExit::kNoReceiver;  // not "unknown": main says why
    const THidDevice& device = *session.receiver();
    const WatchedReceiver receiver{
        device.PnPInfo().DevicePath,    quint16(device.VendorID()),
        quint16(device.ProductID()),    reading,
        MouseInReach(reading->binding), {}};  // a keyboard's reach takes packets counted over time
    StatusDocument(out.document(), receiver);
    out.fields(StatusRows(receiver));
    return CliExit::kDone;
}
