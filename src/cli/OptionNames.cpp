#include "cli/OptionNames.h"

#include "cli/CliTexts.h"
#include "protocol/receiver/BatteryLowLevels.h"
#include "protocol/receiver/CustomKeys.h"

#include <QRegularExpression>

const std::vector<CliOptionName>& CliOptionNames()
{
    using K = CliOptionName::Kind;
    static const std::vector<CliOptionName> names{
        {"cpi", "cpi", K::MouseOption, OptionGroup::Cpi, 0},
        {"lr-cpi-switch", "lrCpiSwitch", K::MouseOption, OptionGroup::LrCpiSwitch, 0},
        {"power-saving", "powerSaving", K::MouseOption, OptionGroup::PowerSaving, 0},
        {"wakeup", "wakeup", K::MouseOption, OptionGroup::Wakeup, 0},
        {"battery-low", "batteryLow", K::MouseOption, OptionGroup::BatteryLow, 0},
        {"auto-connect", "autoConnect", K::AutoConnect, OptionGroup::Cpi, 0},
        {"hotkey1", "hotkey1", K::Hotkey, OptionGroup::Cpi, 0},
        {"hotkey2", "hotkey2", K::Hotkey, OptionGroup::Cpi, 1},
    };
    return names;
}

const CliOptionName* FindCliOption(const QString& name)
{
    for (const CliOptionName& option : CliOptionNames())
        if (name.compare(QLatin1String(option.name), Qt::CaseInsensitive) == 0)
            return &option;
    return nullptr;
}

QStringList CliOptionNameList()
{
    QStringList names;
    for (const CliOptionName& option : CliOptionNames())
        names << QString::fromLatin1(option.name);
    return names;
}

namespace {

// "Set BTY Low Level: VBAT <= 3.2V" gives "3.2".
QString Voltage(const char* text)
{
    QString value = QString::fromLatin1(text).section(QStringLiteral("<="), 1).trimmed();
    if (value.endsWith(QLatin1Char('V')))
        value.chop(1);
    return value;
}

QStringList GroupValues(OptionGroup group)
{
    switch (group) {
    case OptionGroup::LrCpiSwitch: return {"enable", "disable"};
    case OptionGroup::Cpi: return {"high", "low"};
    case OptionGroup::PowerSaving: return {"off", "button-wakeup", "on"};
    case OptionGroup::Wakeup: return {"motion-and-button", "button-only"};
    case OptionGroup::BatteryLow: {
        QStringList values;
        for (const BatteryLowLevel& level : kBatteryLowLevels)
            values << Voltage(level.text);
        return values;
    }
    }
    return {};
}

}  // namespace

QStringList ValueNames(const CliOptionName& option)
{
    switch (option.kind) {
    case CliOptionName::Kind::MouseOption: return GroupValues(option.group);
    case CliOptionName::Kind::AutoConnect: return {"off", "on"};
    case CliOptionName::Kind::Hotkey: {
        QStringList captions;
        for (const CustomKey& key : kCustomKeys)
            captions << QString::fromLatin1(key.caption);
        return captions;
    }
    }
    return {};
}

namespace {

// A voltage in tenths of a volt: digits, a point and digits, a trailing V; "2.4", "2.40" and
// "2.4V" are 24. Nothing for anything else, or for hundredths that are not zero.
std::optional<int> Tenths(const QString& value)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2})(?:\\.(\\d)0*)?[vV]?$"));
    const QRegularExpressionMatch match = form.match(value);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt() * 10 + match.captured(2).toInt();
}

bool IsBatteryLow(const CliOptionName& option)
{
    return option.kind == CliOptionName::Kind::MouseOption &&
           option.group == OptionGroup::BatteryLow;
}

}  // namespace

std::optional<int> ChoiceOf(const CliOptionName& option, const QString& value)
{
    const QString wanted = value.trimmed();
    const QStringList names = ValueNames(option);
    for (int i = 0; i < names.size(); ++i) {
        const bool same = IsBatteryLow(option)
                              ? Tenths(wanted) && Tenths(wanted) == Tenths(names.at(i))
                              : names.at(i).compare(wanted, Qt::CaseInsensitive) == 0;
        if (same)
            return i;
    }
    return std::nullopt;
}

QString BadValueText(const CliOptionName& option, const QString& value)
{
    const QString values = ValueNames(option).join(QStringLiteral(", "));
    if (IsBatteryLow(option))
        return Localized(CliText::kBatteryLowValue).arg(value, values);
    return Localized(CliText::kBadValue).arg(value, QString::fromLatin1(option.name), values);
}
