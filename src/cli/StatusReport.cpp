#include "cli/StatusReport.h"

#include "cli/CliTexts.h"

#include <QJsonValue>

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

template <typename T>
QJsonValue OrNull(const std::optional<T>& value)
{
    return value ? QJsonValue(*value) : QJsonValue();
}

}  // namespace

QString Hex2(int value)
{
    return QString::asprintf("%02X", unsigned(value));
}

QString Hex4(int value)
{
    return QString::asprintf("%04X", unsigned(value));
}

QString ReceiverText(const WatchedReceiver& receiver)
{
    return QStringLiteral("%1 (%2:%3)")
        .arg(receiver.node, Hex4(receiver.vendorId), Hex4(receiver.productId));
}

QString BatteryText(const BatteryLevels& levels)
{
    return Localized(CliText::kBatteryValue)
        .arg(levels.mouse)
        .arg(BatteryLevels::kMouseFull)
        .arg(Localized(BandText(MouseBatteryBand(levels.mouse))))
        .arg(levels.keyboard)
        .arg(levels.keyboardFull);
}

void BatteryDocument(QJsonObject& doc, const std::optional<BatteryLevels>& b)
{
    const auto part = [&b](int BatteryLevels::*field) {
        return b ? std::optional<int>((*b).*field) : std::nullopt;
    };
    const auto name = [](std::optional<BatteryBand> band) {
        return band ? std::optional<QString>(BandName(*band)) : std::nullopt;
    };
    const std::optional<QString> band =
        name(b ? std::optional(MouseBatteryBand(b->mouse)) : std::nullopt);
    const std::optional<QString> keyboardBand =
        name(b ? KeyboardBatteryBand(b->keyboard, b->keyboardFull) : std::nullopt);
    doc.insert(QStringLiteral("mouseBattery"), OrNull(part(&BatteryLevels::mouse)));
    doc.insert(QStringLiteral("mouseBatteryMax"),
               b ? QJsonValue(BatteryLevels::kMouseFull) : QJsonValue());
    doc.insert(QStringLiteral("mouseBatteryBand"), OrNull(band));
    doc.insert(QStringLiteral("keyboardBattery"), OrNull(part(&BatteryLevels::keyboard)));
    doc.insert(QStringLiteral("keyboardBatteryMax"), OrNull(part(&BatteryLevels::keyboardFull)));
    doc.insert(QStringLiteral("keyboardBatteryBand"), OrNull(keyboardBand));
}

QString BandName(BatteryBand band)
{
    return QString::fromLatin1(BandText(band).eng);
}

QString BandWord(BatteryBand band)
{
    return Localized(BandText(band));
}

void StatusDocument(QJsonObject& doc, const WatchedReceiver& receiver)
{
    const std::optional<StatusReading>& r = receiver.reading;
    const auto link = [&r](quint8 LinkStatus::*field) {
        return r ? std::optional<int>(r->link.*field) : std::nullopt;
    };
    const auto id = [&link](quint8 LinkStatus::*field) {
        const std::optional<int> value = link(field);
        return value ? std::optional<QString>(Hex2(*value)) : std::nullopt;
    };
    const SpecialReply* binding = r && r->binding ? &*r->binding : nullptr;
    doc.insert(QStringLiteral("node"), receiver.node);
    doc.insert(QStringLiteral("vendorId"), Hex4(receiver.vendorId));
    doc.insert(QStringLiteral("productId"), Hex4(receiver.productId));
    doc.insert(QStringLiteral("channel"), OrNull(link(&LinkStatus::channel)));
    doc.insert(QStringLiteral("mouseId"), OrNull(id(&LinkStatus::mouseId)));
    doc.insert(QStringLiteral("keyboardId"), OrNull(id(&LinkStatus::keyboardId)));
    BatteryDocument(doc, r ? r->battery : std::nullopt);
    doc.insert(QStringLiteral("cpi"), r && r->cpi ? QJsonValue(*r->cpi * 100) : QJsonValue());
    doc.insert(QStringLiteral("bindingStatus"),
               binding ? QJsonValue(Hex2(binding->bytes[1])) : QJsonValue());
    doc.insert(QStringLiteral("bindingSettled"),
               binding ? QJsonValue(binding->bindingSettled) : QJsonValue());
    doc.insert(QStringLiteral("mouseInReach"), OrNull(receiver.mouseInReach));
    doc.insert(QStringLiteral("keyboardInReach"), OrNull(receiver.keyboardInReach));
}

std::vector<std::pair<QString, QString>> StatusRows(const WatchedReceiver& receiver)
{
    const QString unknown = Localized(CliText::kUnknown);
    const std::optional<StatusReading>& r = receiver.reading;
    const auto number = [&unknown](const std::optional<int>& value) {
        return value ? QString::number(*value) : unknown;
    };
    QString binding = unknown;
    if (r && r->binding)
        binding = Hex2(r->binding->bytes[1]) +
                  (r->binding->bindingSettled ? QString() : Localized(CliText::kUnsettled));
    return {
        {Localized(CliText::kReceiverLabel), ReceiverText(receiver)},
        {Localized(CliText::kChannelLabel), r ? QString::number(r->link.channel) : unknown},
        {Localized(CliText::kMouseIdLabel), r ? Hex2(r->link.mouseId) : unknown},
        {Localized(CliText::kKeyboardIdLabel), r ? Hex2(r->link.keyboardId) : unknown},
        {Localized(CliText::kBatteryLabel), r && r->battery ? BatteryText(*r->battery) : unknown},
        {Localized(CliText::kCpiLabel),
         number(r && r->cpi ? std::optional<int>(*r->cpi * 100) : std::nullopt)},
        {Localized(CliText::kBindingLabel), binding},
    };
}
