#include "cli/CliCommands.h"

#include "cli/CliSession.h"
#include "protocol/device/Commands.h"
#include "protocol/device/HidController.h"
#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
#include "cli/CliTexts.h"
#include "protocol/receiver/Pairing.h"
#include "protocol/receiver/StatusReadouts.h"

namespace {

QString BandName(BatteryBand band)
{
    switch (band) {
    case BatteryBand::Good: return QStringLiteral("good");
    case BatteryBand::Low: return QStringLiteral("low");
    case BatteryBand::Critical: return QStringLiteral("critical");
    }
    return QString();
}

QString Hex2(int value)
{
    return QString::asprintf("%02X", unsigned(value));
}

}  // namespace

int RunStatus(CliSession& session, const CliOptions&, CliOutput& out)
{
    CommandChannel& channel = session.channel();
    const CommandChannel::Sequence run(channel);
    CommandChannel::Report reply{};
    std::optional<LinkStatus> link;
    if (channel.statusRead(CommandChannel::request({Cmd::kLinkStatus}), reply, false))
        link = DecodeLinkStatus(reply);
    if (!link) {
        out.error(Localized(CliText::kNoAnswer));
        return CliExit::kDeviceFailed;
    }
    SpecialCommands special(channel);
    RfAccess rf(channel);
    StatusReadouts readouts(channel, special, rf);
    const std::optional<BatteryLevels> battery = readouts.ReadBattery();
    const std::optional<int> cpi = readouts.ReadCpi();
    const std::optional<SpecialReply> binding = special.Run(Cmd::Special::kBindingStatus);
    if (!(battery && cpi && binding) && session.ReceiverRemoved())
        return CliExit::kNoReceiver;  // not "unknown": main says why

    THidDevice* receiver = session.receiver();
    QJsonObject& doc = out.document();
    doc.insert(QStringLiteral("node"), receiver->PnPInfo().DevicePath);
    doc.insert(QStringLiteral("vendorId"), QString::asprintf("%04X", unsigned(receiver->VendorID())));
    doc.insert(QStringLiteral("productId"), QString::asprintf("%04X", unsigned(receiver->ProductID())));
    doc.insert(QStringLiteral("channel"), link->channel);
    doc.insert(QStringLiteral("mouseId"), Hex2(link->mouseId));
    doc.insert(QStringLiteral("keyboardId"), Hex2(link->keyboardId));
    out.line(QStringLiteral("receiver     %1 (%2:%3)")
                 .arg(receiver->PnPInfo().DevicePath, doc.value("vendorId").toString(),
                      doc.value("productId").toString()));
    out.line(QStringLiteral("channel      %1").arg(link->channel));
    out.line(QStringLiteral("mouse ID     %1").arg(Hex2(link->mouseId)));
    out.line(QStringLiteral("keyboard ID  %1").arg(Hex2(link->keyboardId)));
    if (battery) {
        doc.insert(QStringLiteral("mouseBattery"), battery->mouse);
        doc.insert(QStringLiteral("mouseBatteryBand"), BandName(MouseBatteryBand(battery->mouse)));
        doc.insert(QStringLiteral("keyboardBattery"), battery->keyboard);
        out.line(QStringLiteral("battery      mouse %1 of 7 (%2), keyboard %3")
                     .arg(battery->mouse)
                     .arg(BandName(MouseBatteryBand(battery->mouse)))
                     .arg(battery->keyboard));
    } else {
        out.line(QStringLiteral("battery      unknown"));
    }
    if (cpi) {
        doc.insert(QStringLiteral("cpi"), *cpi * 100);
        out.line(QStringLiteral("CPI          %1").arg(*cpi * 100));
    } else {
        out.line(QStringLiteral("CPI          unknown"));
    }
    if (binding) {
        doc.insert(QStringLiteral("bindingStatus"), Hex2(binding->bytes[1]));
        doc.insert(QStringLiteral("bindingSettled"), binding->bindingSettled);
        out.line(QStringLiteral("binding      %1%2").arg(Hex2(binding->bytes[1]),
                                                     binding->bindingSettled ? QString()
                                                                             : QStringLiteral(" (unsettled)")));
    } else {
        out.line(QStringLiteral("binding      unknown"));
    }
    return CliExit::kDone;
}
