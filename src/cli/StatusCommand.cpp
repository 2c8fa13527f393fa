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

// Its English wording is also the band's name in JSON.
const LocalText& BandText(BatteryBand band)
{
    switch (band) {
    case BatteryBand::Good: break;
    case BatteryBand::Low: return CliText::kBandLow;
    case BatteryBand::Critical: return CliText::kBandCritical;
    }
    return CliText::kBandGood;
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
    const QString unknown = Localized(CliText::kUnknown);
    QString batteryText = unknown;
    if (battery) {
        const BatteryBand band = MouseBatteryBand(battery->mouse);
        doc.insert(QStringLiteral("mouseBattery"), battery->mouse);
        doc.insert(QStringLiteral("mouseBatteryBand"), QString::fromLatin1(BandText(band).eng));
        doc.insert(QStringLiteral("keyboardBattery"), battery->keyboard);
        batteryText = Localized(CliText::kBatteryValue)
                          .arg(battery->mouse)
                          .arg(Localized(BandText(band)))
                          .arg(battery->keyboard);
    }
    if (cpi)
        doc.insert(QStringLiteral("cpi"), *cpi * 100);
    QString bindingText = unknown;
    if (binding) {
        doc.insert(QStringLiteral("bindingStatus"), Hex2(binding->bytes[1]));
        doc.insert(QStringLiteral("bindingSettled"), binding->bindingSettled);
        bindingText = Hex2(binding->bytes[1]) +
                      (binding->bindingSettled ? QString() : Localized(CliText::kUnsettled));
    }
    out.fields({
        {Localized(CliText::kReceiverLabel),
         QStringLiteral("%1 (%2:%3)").arg(receiver->PnPInfo().DevicePath,
                                          doc.value("vendorId").toString(),
                                          doc.value("productId").toString())},
        {Localized(CliText::kChannelLabel), QString::number(link->channel)},
        {Localized(CliText::kMouseIdLabel), Hex2(link->mouseId)},
        {Localized(CliText::kKeyboardIdLabel), Hex2(link->keyboardId)},
        {Localized(CliText::kBatteryLabel), batteryText},
        {Localized(CliText::kCpiLabel), cpi ? QString::number(*cpi * 100) : unknown},
        {Localized(CliText::kBindingLabel), bindingText},
    });
    return CliExit::kDone;
}
