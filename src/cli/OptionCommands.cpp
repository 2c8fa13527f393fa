#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "protocol/receiver/SettingsService.h"
#include "protocol/receiver/SettingsTable.h"

#include <QJsonValue>

namespace {

QString Name(const SettingRow& row)
{
    return QString::fromLatin1(row.cliName);
}

// The settings a command takes: every one for set, those the device answers for get.
QStringList SettingNames(bool readableOnly)
{
    QStringList names;
    for (const SettingRow& row : SettingsTable())
        if (!readableOnly || Readable(row))
            names << Name(row);
    return names;
}

QString UnknownSetting(const QString& name, bool readableOnly)
{
    return Localized(CliText::kUnknownOption)
        .arg(name, SettingNames(readableOnly).join(QStringLiteral(", ")));
}

QString BadValue(const SettingRow& row, const QString& value)
{
    const QString values = ValueNames(row).join(QStringLiteral(", "));
    if (row.volts)
        return Localized(CliText::kVoltsValue).arg(value, Name(row), values);
    return Localized(CliText::kBadValue).arg(value, Name(row), values);
}

// A value as people read it, and as JSON gives it (in English, as set takes it; null when the
// device did not tell).
struct Shown {
    QString text;
    QJsonValue json;
};

Shown Local(const LocalText& text)
{
    return {Localized(text), QString::fromUtf8(text.eng)};
}

Shown Value(const SettingRow& row, const SettingsService::Reading& reading)
{
    if (reading.choice) {
        const QString value = ValueNames(row).value(*reading.choice);
        return {value, value};
    }
    if (row.kind != SettingKind::Hotkey)
        return {Localized(CliText::kUnknown), QJsonValue()};
    if (!reading.keyCode)
        return Local(CliText::kUnset);
    const QString hex = QString::asprintf("%04X", unsigned(*reading.keyCode));
    return {Localized(CliText::kKeyCode).arg(hex),
            QString::fromUtf8(CliText::kKeyCode.eng).arg(hex)};
}

void Show(CliOutput& out, const SettingRow& row, const Shown& value)
{
    out.line(QStringLiteral("%1 = %2").arg(Name(row), value.text));
    out.document().insert(QString::fromLatin1(row.jsonKey), value.json);
}

// The settings `get` shows: the hotkeys first, then the mouse's, each once asked for.
void ShowReadings(CliOutput& out, const SettingRow* only, bool onMouse,
                  const SettingsService::Readings& readings)
{
    for (const SettingRow& row : SettingsTable())
        if (Readable(row) && OnMouse(row) == onMouse && (!only || only == &row))
            Show(out, row, Value(row, readings.of(row)));
}

}  // namespace

QString SetSummary()
{
    QStringList items;
    QStringList hotkeys;
    for (const SettingRow& row : SettingsTable()) {
        if (row.kind == SettingKind::Hotkey)
            hotkeys << Name(row);
        else
            items << Name(row) + QLatin1Char(' ') + ValueNames(row).join(QLatin1Char('|'));
    }
    items << Localized(CliText::kSetHotkeyValues).arg(hotkeys.join(QLatin1Char('|')));
    // Two to a line, under the command's summary.
    const QString separator = Localized(CliText::kListSeparator);
    QString list;
    for (int i = 0; i < items.size(); ++i) {
        list += items[i];
        if (i + 1 < items.size())
            list += i % 2 == 1 ? separator.trimmed() + QStringLiteral("\n      ") : separator;
    }
    return Localized(CliText::kSetSummary).arg(list);
}

int CheckGet(const CliOptions& options, CliOutput& out)
{
    const QString filter = options.arguments.value(0);
    const SettingRow* only = filter.isEmpty() ? nullptr : FindSetting(filter);
    if (!filter.isEmpty() && !only) {
        out.error([&] { return UnknownSetting(filter, true); });
        return CliExit::kUsage;
    }
    if (only && !Readable(*only)) {
        out.error([&] { return Localized(CliText::kNotReadable).arg(Name(*only)); });
        return CliExit::kUsage;
    }
    return CliExit::kDone;
}

int RunGet(CliSession& session, const CliOptions& options, CliOutput& out)
{
    const QString filter = options.arguments.value(0);
    const SettingRow* only = filter.isEmpty() ? nullptr : FindSetting(filter);
    SettingsService service(session.channel(), session.state());
    service.setMouseCheckedFirst(true);
    const SettingsService::Readings readings = service.read(only);
    if (readings.refused)
        return CliExit::kDeviceFailed;  // main says who has the receiver
    ShowReadings(out, only, false, readings);
    if (only && !OnMouse(*only))
        return readings.receiverGone ? CliExit::kDeviceFailed : CliExit::kDone;
    if (readings.mouseSilent) {
        out.error([&] { return Localized(CliText::kMouseSilent); });
        return CliExit::kDeviceFailed;
    }
    ShowReadings(out, only, true, readings);
    if (readings.receiverGone)
        return CliExit::kNoReceiver;  // main says why
    if (readings.readBack.position < ReadBackSteps()) {
        out.error([&] { return Localized(CliText::kMouseSilent); });
        return CliExit::kDeviceFailed;
    }
    return CliExit::kDone;
}

int CheckSet(const CliOptions& options, CliOutput& out)
{
    if (options.arguments.size() < 2) {
        out.error([&] { return Localized(CliText::kSetUsage); });
        return CliExit::kUsage;
    }
    const QString& name = options.arguments.at(0);
    const SettingRow* row = FindSetting(name);
    if (!row) {
        out.error([&] { return UnknownSetting(name, false); });
        return CliExit::kUsage;
    }
    if (!ChoiceNamed(*row, options.arguments.at(1))) {
        out.error([&] { return BadValue(*row, options.arguments.at(1)); });
        return CliExit::kUsage;
    }
    return CliExit::kDone;
}

int RunSet(CliSession& session, const CliOptions& options, CliOutput& out)
{
    const SettingRow& row = *FindSetting(options.arguments.at(0));
    const int choice = *ChoiceNamed(row, options.arguments.at(1));
    SettingsService service(session.channel(), session.state());
    service.setMouseCheckedFirst(true);
    const QString shown = ValueNames(row).value(choice);
    switch (service.write(row, [choice] { return choice; }).outcome) {
    case SettingsService::Outcome::Taken: Show(out, row, {shown, shown}); return CliExit::kDone;
    case SettingsService::Outcome::ReceiverGone: return CliExit::kNoReceiver;  // main says why
    case SettingsService::Outcome::MouseSilent:
        out.error([&] { return Localized(CliText::kMouseSilent); });
        break;
    case SettingsService::Outcome::NotTaken:
    case SettingsService::Outcome::Withdrawn:
        if (row.kind == SettingKind::Hotkey)
            out.error([&] { return Localized(CliText::kNotStored).arg(Name(row)); });
        else
            out.error([&] { return Localized(CliText::kNotTaken).arg(Name(row), shown); });
        break;
    }
    return CliExit::kDeviceFailed;
}
