#include "cli/BarLines.h"

#include "cli/CliOutput.h"
#include "cli/StatusReport.h"
#include "cli/WatchTexts.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct BarView {
    QString text;
    QString tooltip;
    QString kind;                   // waybar's class
    std::optional<int> percentage;  // the mouse's share of a full battery
};

BarView ViewOf(const WatchedState& state)
{
    if (!state)
        return {QString(), Localized(WatchText::kNoReceiver), QStringLiteral("none"), {}};
    const std::optional<StatusReading>& r = state->reading;
    if (!r || !r->battery)
        return {
            Localized(WatchText::kBarUnknown), ReceiverText(*state), QStringLiteral("unknown"), {}};
    const BatteryLevels& b = *r->battery;
    const BatteryBand band = MouseBatteryBand(b.mouse);
    QString text = Localized(WatchText::kBarMouse).arg(b.mouse).arg(BatteryLevels::kMouseFull);
    QString tooltip = BatteryText(b);
    if (b.keyboardFull > 0)
        text += Localized(WatchText::kSeparator) +
                Localized(WatchText::kBarKeyboard).arg(b.keyboard).arg(b.keyboardFull);
    else
        tooltip = Localized(WatchText::kBarMouseOnly)
                      .arg(b.mouse)
                      .arg(BatteryLevels::kMouseFull)
                      .arg(BandWord(band));
    return {text, tooltip, BandName(band), BatteryPercent(b.mouse, BatteryLevels::kMouseFull)};
}

QString Written(BarFormat format, const BarView& view)
{
    if (format == BarFormat::Line)
        return view.text;
    QJsonObject doc{{QStringLiteral("apiVersion"), kJsonApiVersion},
                    {QStringLiteral("text"), view.text},
                    {QStringLiteral("tooltip"), view.tooltip},
                    {QStringLiteral("class"), view.kind}};
    if (view.percentage)
        doc.insert(QStringLiteral("percentage"), *view.percentage);
    return QString::fromUtf8(QJsonDocument(doc).toJson(QJsonDocument::Compact));
}

}  // namespace

std::optional<BarFormat> BarFormatNamed(const QString& name)
{
    if (name == QLatin1String("waybar"))
        return BarFormat::Waybar;
    if (name == QLatin1String("line"))
        return BarFormat::Line;
    return std::nullopt;
}

QString BarLine(BarFormat format, const WatchedState& state)
{
    return Written(format, ViewOf(state));
}

QString BarDeniedLine(BarFormat format, const QString& node)
{
    return Written(format, {Localized(WatchText::kBarNotAccessible),
                            Localized(WatchText::kNotAccessible).arg(node),
                            QStringLiteral("none"),
                            {}});
}
