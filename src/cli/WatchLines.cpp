#include "cli/WatchLines.h"

#include "cli/CliOutput.h"
#include "cli/CliTexts.h"
#include "cli/StatusReport.h"
#include "cli/WatchTexts.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString ReachText(const std::optional<bool>& inReach)
{
    if (!inReach)
        return Localized(WatchText::kReachUnknown);
    return Localized(*inReach ? WatchText::kInReach : WatchText::kOutOfReach);
}

QString LinkText(const WatchedReceiver& r)
{
    return Localized(WatchText::kLinkValue)
        .arg(ReachText(r.mouseInReach), ReachText(r.keyboardInReach));
}

void LinkDocument(QJsonObject& doc, const WatchedReceiver& r)
{
    const auto value = [](const std::optional<bool>& v) {
        return v ? QJsonValue(*v) : QJsonValue();
    };
    doc.insert(QStringLiteral("mouseInReach"), value(r.mouseInReach));
    doc.insert(QStringLiteral("keyboardInReach"), value(r.keyboardInReach));
}

// The whole state of a receiver in one line: status's rows and the link.
QString WholeText(const WatchedReceiver& r)
{
    QStringList fields;
    for (const auto& [label, value] : StatusRows(r))
        fields << Localized(WatchText::kField).arg(label, value);
    fields << Localized(WatchText::kField).arg(Localized(WatchText::kLinkLabel), LinkText(r));
    return fields.join(Localized(WatchText::kSeparator));
}

QString Written(QJsonObject doc, const char* event, const QDateTime& time)
{
    doc.insert(QStringLiteral("apiVersion"), kJsonApiVersion);
    doc.insert(QStringLiteral("event"), QLatin1String(event));
    doc.insert(QStringLiteral("time"), IsoTime(time));
    return QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Compact));
}

QString Said(const QString& what, const QDateTime& time)
{
    return Localized(WatchText::kLine).arg(time.toString(QStringLiteral("HH:mm:ss")), what);
}

QString EventText(StatusEvent event, const WatchedState& before, const WatchedReceiver& r)
{
    const StatusReading reading = r.reading.value_or(StatusReading{});
    switch (event) {
    case StatusEvent::ReceiverRemoved: return Localized(WatchText::kRemoved).arg(before->node);
    case StatusEvent::ReceiverAdded: return Localized(WatchText::kAdded).arg(WholeText(r));
    case StatusEvent::Link: return Localized(WatchText::kLink).arg(LinkText(r));
    case StatusEvent::Battery:
        return Localized(WatchText::kBattery)
            .arg(BatteryText(reading.battery.value_or(BatteryLevels{})));
    case StatusEvent::Cpi: return Localized(WatchText::kCpi).arg(reading.cpi.value_or(0) * 100);
    case StatusEvent::Paired: break;
    }
    return Localized(CliText::kPaired)
        .arg(Hex2(reading.link.mouseId), Hex2(reading.link.keyboardId));
}

QString EventJson(StatusEvent event, const WatchedState& before, const WatchedReceiver& r,
                  const QDateTime& time)
{
    QJsonObject doc;
    const StatusReading reading = r.reading.value_or(StatusReading{});
    switch (event) {
    case StatusEvent::ReceiverRemoved:
        doc.insert(QStringLiteral("node"), before->node);
        return Written(doc, "receiverRemoved", time);
    case StatusEvent::ReceiverAdded:
        StatusDocument(doc, r);
        return Written(doc, "receiverAdded", time);
    case StatusEvent::Link: LinkDocument(doc, r); return Written(doc, "link", time);
    case StatusEvent::Battery:
        BatteryDocument(doc, reading.battery);
        return Written(doc, "battery", time);
    case StatusEvent::Cpi:
        doc.insert(QStringLiteral("cpi"), reading.cpi.value_or(0) * 100);
        return Written(doc, "cpi", time);
    case StatusEvent::Paired: break;
    }
    doc.insert(QStringLiteral("mouseId"), Hex2(reading.link.mouseId));
    doc.insert(QStringLiteral("keyboardId"), Hex2(reading.link.keyboardId));
    return Written(doc, "paired", time);
}

}  // namespace

QString IsoTime(const QDateTime& time)
{
    const int offset = time.offsetFromUtc() / 60;
    const int size = offset < 0 ? -offset : offset;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           QString::asprintf("%c%02d:%02d", offset < 0 ? '-' : '+', size / 60, size % 60);
}

QString StateLine(const WatchedState& state, const QDateTime& time, bool json)
{
    if (json) {
        QJsonObject doc;
        if (state)
            StatusDocument(doc, *state);
        else
            doc.insert(QStringLiteral("receiver"), QJsonValue());
        return Written(doc, "state", time);
    }
    return Said(Localized(WatchText::kState)
                    .arg(state ? WholeText(*state) : Localized(WatchText::kNoReceiver)),
                time);
}

QString DeniedLine(const QString& node, const QDateTime& time, bool json)
{
    if (!json)
        return Said(Localized(WatchText::kNotAccessible).arg(node), time);
    QJsonObject doc;
    doc.insert(QStringLiteral("node"), node);
    return Written(doc, "receiverNotAccessible", time);
}

QString EventLine(StatusEvent event, const WatchedState& before, const WatchedState& after,
                  const QDateTime& time, bool json)
{
    // Every event but a removal is about the receiver after it.
    const WatchedReceiver r = after.value_or(WatchedReceiver{});
    return json ? EventJson(event, before, r, time) : Said(EventText(event, before, r), time);
}
