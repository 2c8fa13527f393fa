#include "cli/CliCompletion.h"

#include "cli/CliCommands.h"
#include "cli/CliOptions.h"
#include "protocol/receiver/SettingsTable.h"

namespace {

QStringList Settings(bool readableOnly)
{
    QStringList names;
    for (const SettingRow& row : SettingsTable())
        if (!readableOnly || Readable(row))
            names << QString::fromLatin1(row.cliName);
    return names;
}

QStringList Values(const QString& setting)
{
    const SettingRow* row = FindSetting(setting);
    if (!row)
        return {};
    QStringList values;
    for (const SettingChoice& choice : row->choices) {
        values << QString::fromLatin1(choice.value);
        for (const char* other : choice.alsoNamed)
            values << QString::fromLatin1(other);
    }
    return values;
}

}  // namespace

QStringList CompletionCandidates(const QStringList& words)
{
    if (!words.isEmpty() && words.last() == QLatin1String("--bar"))
        return {QStringLiteral("waybar"), QStringLiteral("line")};
    if (!words.isEmpty() && OptionTakesValue(words.last()))
        return {};  // a value of the user's own: a node, seconds, an ID
    const CliCommand* command = nullptr;
    QStringList arguments;
    for (int i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        if (word.startsWith(QLatin1Char('-'))) {
            if (OptionTakesValue(word))
                ++i;
        } else if (!command) {
            command = FindCliCommand(word);
        } else {
            arguments << word;
        }
    }
    if (!command) {
        QStringList names;
        for (const CliCommand& c : CliCommandTable())
            names << QString::fromLatin1(c.name);
        return names + OptionSpellings(CliOption::kGlobal | CliOption::kReceiver);
    }
    QStringList candidates = OptionSpellings(TakenOptions(*command));
    const QString name = QString::fromLatin1(command->name);
    if (name == QLatin1String("get") && arguments.isEmpty())
        candidates += Settings(true);
    if (name == QLatin1String("set") && arguments.isEmpty())
        candidates += Settings(false);
    if (name == QLatin1String("set") && arguments.size() == 1)
        candidates += Values(arguments.first());
    return candidates;
}
