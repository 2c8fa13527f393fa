#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "protocol/device/Commands.h"
#include "protocol/device/HidController.h"
#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
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

struct Readings {
    LinkStatus link;
    std::optional<BatteryLevels> battery;
    std::optional<int> cpi;  // CPI / 100, as the receiver keeps it
    std::optional<SpecialReply> binding;
};

QString Hex4(int value)
{
    return QString::asprintf("%04X", unsigned(value));
}

// Every key is there; a reading the receiver did not give is null.
void Document(QJsonObject& doc, const THidDevice& receiver, const Readings& r)
{
    doc.insert(QStringLiteral("node"), receiver.PnPInfo().DevicePath);
    doc.insert(QStringLiteral("vendorId"), Hex4(receiver.VendorID()));
    doc.insert(QStringLiteral("productId"), Hex4(receiver.ProductID()));
    doc.insert(QStringLiteral("channel"), r.link.channel);
    doc.insert(QStringLiteral("mouseId"), Hex2(r.link.mouseId));
    doc.insert(QStringLiteral("keyboardId"), Hex2(r.link.keyboardId));
    const auto band = [](int level) {
        return QString::fromLatin1(BandText(MouseBatteryBand(level)).eng);
    };
    doc.insert(QStringLiteral("mouseBattery"),
               r.battery ? QJsonValue(r.battery->mouse) : QJsonValue());
    doc.insert(QStringLiteral("mouseBatteryBand"),
               r.battery ? QJsonValue(band(r.battery->mouse)) : QJsonValue());
    doc.insert(QStringLiteral("keyboardBattery"),
               r.battery ? QJsonValue(r.battery->keyboard) : QJsonValue());
    doc.insert(QStringLiteral("cpi"), r.cpi ? QJsonValue(*r.cpi * 100) : QJsonValue());
    doc.insert(QStringLiteral("bindingStatus"),
               r.binding ? QJsonValue(Hex2(r.binding->bytes[1])) : QJsonValue());
    doc.insert(QStringLiteral("bindingSettled"),
               r.binding ? QJsonValue(r.binding->bindingSettled) : QJsonValue());
}

void Lines(CliOutput& out, const THidDevice& receiver, const Readings& r)
{
    const QString unknown = Localized(CliText::kUnknown);
    QString battery = unknown;
    if (r.battery)
        battery = Localized(CliText::kBatteryValue)
                      .arg(r.battery->mouse)
                      .arg(Localized(BandText(MouseBatteryBand(r.battery->mouse))))
                      .arg(r.battery->keyboard);
    QString binding = unknown;
    if (r.binding)
        binding = Hex2(r.binding->bytes[1]) +
                  (r.binding->bindingSettled ? QString() : Localized(CliText::kUnsettled));
    out.fields({
        {Localized(CliText::kReceiverLabel),
         QStringLiteral("%1 (%2:%3)")
             .arg(receiver.PnPInfo().DevicePath, Hex4(receiver.VendorID()),
                  Hex4(receiver.ProductID()))},
        {Localized(CliText::kChannelLabel), QString::number(r.link.channel)},
        {Localized(CliText::kMouseIdLabel), Hex2(r.link.mouseId)},
        {Localized(CliText::kKeyboardIdLabel), Hex2(r.link.keyboardId)},
        {Localized(CliText::kBatteryLabel), battery},
        {Localized(CliText::kCpiLabel), r.cpi ? QString::number(*r.cpi * 100) : unknown},
        {Localized(CliText::kBindingLabel), binding},
    });
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
    const Readings readings{*link, readouts.ReadBattery(), readouts.ReadCpi(),
                            special.Run(Cmd::Special::kBindingStatus)};
    if (!(readings.battery && readings.cpi && readings.binding) && session.ReceiverRemoved())
        return CliExit::kNoReceiver;  // not "unknown": main says why
    Document(out.document(), *session.receiver(), readings);
    Lines(out, *session.receiver(), readings);
    return CliExit::kDone;
}
