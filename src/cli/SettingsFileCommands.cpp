// karvelo-rf export and apply: the receiver's settings to a settings file and back.
#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "protocol/device/HidController.h"
#include "protocol/receiver/SavedSettings.h"
#include "protocol/receiver/SettingsApply.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace {

using Change = SettingsApply::Change;

bool IsStandardStream(const QString& path)
{
    return path.isEmpty() || path == QLatin1String("-");
}

// At most one byte more than a settings file may hold: enough to tell that it is too large.
std::optional<QByteArray> ReadFile(const QString& path, QString& error)
{
    QFile file(path);
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : file.open(QIODevice::ReadOnly);
    QByteArray bytes = opened ? file.read(SavedSettings::kMaxBytes + 1) : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

// A new file takes the place of the old one only once it is whole.
std::optional<QString> WriteFile(const QString& path, const QByteArray& bytes)
{
    if (IsStandardStream(path)) {
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        return std::fflush(stdout) == 0 ? std::nullopt
                                        : std::optional<QString>(QStringLiteral("standard output"));
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return std::nullopt;
    return file.errorString();
}

std::vector<std::optional<int>> Choices(const SettingsService::Readings& readings)
{
    std::vector<std::optional<int>> choices;
    for (const SettingsService::Reading& reading : readings.rows)
        choices.push_back(reading.choice);
    return choices;
}

QString Value(const SettingRow& row, std::optional<int> choice)
{
    return choice ? QString::fromLatin1(row.choices[size_t(*choice)].value) : QString();
}

const char* OutcomeName(Change::Outcome outcome)
{
    switch (outcome) {
    case Change::Outcome::Written: return "written";
    case Change::Outcome::Failed: return "failed";
    case Change::Outcome::MouseSilent: return "mouseOutOfReach";
    case Change::Outcome::Pending: break;
    }
    return "notWritten";
}

// The settings whose outcome is one of these, by name; "-" for none.
QString Names(const std::vector<Change>& changes, std::initializer_list<Change::Outcome> outcomes)
{
    QStringList names;
    for (const Change& change : changes)
        if (std::find(outcomes.begin(), outcomes.end(), change.outcome) != outcomes.end())
            names << QString::fromLatin1(change.row->cliName);
    return names.isEmpty() ? QStringLiteral("-") : names.join(QStringLiteral(", "));
}

void Show(CliOutput& out, const std::vector<Change>& changes, bool dryRun)
{
    QJsonArray array;
    for (const Change& change : changes) {
        out.line(SettingsApply::Line(change, false));
        const QString from = Value(*change.row, change.from);
        array.append(
            QJsonObject{{QStringLiteral("setting"), QLatin1String(change.row->jsonKey)},
                        {QStringLiteral("from"), from.isEmpty() ? QJsonValue() : QJsonValue(from)},
                        {QStringLiteral("to"), Value(*change.row, change.to)},
                        {QStringLiteral("outcome"), QLatin1String(OutcomeName(change.outcome))}});
    }
    if (changes.empty())
        out.line(Localized(CliText::kNothingDiffers));
    out.document().insert(QStringLiteral("changes"), array);
    out.document().insert(QStringLiteral("dryRun"), dryRun);
}

}  // namespace

int RunExport(CliSession& session, const CliOptions& options, CliOutput& out)
{
    SettingsService service(session.channel(), session.state());
    service.setMouseCheckedFirst(true);
    const SettingsService::Readings readings = service.read();
    if (readings.refused)
        return CliExit::kDeviceFailed;  // main says who has the receiver
    if (readings.receiverGone)
        return CliExit::kNoReceiver;
    // A file without the mouse's settings would leave them alone when applied: no such file.
    if (readings.mouseSilent || readings.readBack.position < ReadBackSteps()) {
        out.error([] { return Localized(CliText::kMouseSilent); });
        return CliExit::kDeviceFailed;
    }
    const THidDevice* receiver = session.receiver();
    const QByteArray file =
        SavedSettings::Write(Choices(readings), quint16(receiver->VendorID()),
                             quint16(receiver->ProductID()), QDateTime::currentDateTime());
    const QString path = options.arguments.value(0);
    if (const std::optional<QString> failure = WriteFile(path, file)) {
        out.error([&] { return Localized(CliText::kCannotWrite).arg(path, *failure); });
        return CliExit::kDeviceFailed;
    }
    return CliExit::kDone;
}

int CheckApply(const CliOptions& options, CliOutput& out)
{
    if (options.arguments.isEmpty()) {
        out.error([] { return Localized(CliText::kApplyUsage); });
        return CliExit::kUsage;
    }
    return CliExit::kDone;
}

int RunApply(CliSession& session, const CliOptions& options, CliOutput& out)
{
    const QString path = options.arguments.at(0);
    QString error;
    const std::optional<QByteArray> bytes = ReadFile(path, error);
    const SavedSettings::Parsed parsed =
        bytes ? SavedSettings::Parse(*bytes) : SavedSettings::Parsed{};
    if (!parsed.content) {
        // Checked again for the English of the JSON object: the reason is worded as it is made.
        out.error([&] {
            return bytes
                       ? Localized(CliText::kBadFile).arg(path, SavedSettings::Parse(*bytes).error)
                       : Localized(CliText::kCannotRead).arg(path, error);
        });
        return CliExit::kUsage;
    }
    if (const std::optional<int> unopened = OpenOrSay(session, options, out))
        return *unopened;
    SettingsService service(session.channel(), session.state());
    service.setMouseCheckedFirst(true);
    const SettingsService::Readings readings = service.read();
    if (readings.refused || readings.receiverGone)
        return readings.refused ? CliExit::kDeviceFailed : CliExit::kNoReceiver;
    std::vector<Change> changes =
        SettingsApply::Differences(Choices(readings), parsed.content->choices);
    const bool applied =
        options.dryRun ||
        SettingsApply::Run(changes, !readings.mouseSilent, [&](const SettingRow& row, int choice) {
            return service.write(row, [choice] { return choice; });
        });
    Show(out, changes, options.dryRun);
    out.document().insert(QStringLiteral("applied"), applied && !options.dryRun);
    if (applied)
        return CliExit::kDone;
    // Said at once: a receiver removed meanwhile replaces the command's output, not this.
    const auto has = [&changes](Change::Outcome outcome) {
        return std::any_of(changes.begin(), changes.end(),
                           [outcome](const Change& c) { return c.outcome == outcome; });
    };
    if (has(Change::Outcome::MouseSilent))
        out.warnNow(Localized(CliText::kMouseNotWritten)
                        .arg(Names(changes, {Change::Outcome::MouseSilent})));
    if (has(Change::Outcome::Failed))
        out.warnNow(Localized(CliText::kApplyStopped)
                        .arg(Names(changes, {Change::Outcome::Written}),
                             Names(changes, {Change::Outcome::Failed, Change::Outcome::Pending})));
    return CliExit::kDeviceFailed;
}
