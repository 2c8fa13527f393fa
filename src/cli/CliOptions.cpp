#include "cli/CliOptions.h"

#include "cli/BarLines.h"
#include "cli/CliCommands.h"
#include "cli/CliTexts.h"
#include "cli/WatchTexts.h"
#include "protocol/receiver/Pairing.h"

#include <algorithm>

namespace {

constexpr int kMostIntervalSeconds = 60;

struct OptionSpelling {
    const char* name;
    unsigned bit;
    bool takesValue;
};

constexpr OptionSpelling kSpellings[] = {
    {"--json", CliOption::kJson, false},       {"--simulate", CliOption::kSimulate, false},
    {"--help", CliOption::kHelp, false},       {"-h", CliOption::kHelp, false},
    {"--version", CliOption::kVersion, false}, {"--receiver", CliOption::kReceiver, true},
    {"--timeout", CliOption::kTimeout, true},  {"--vid", CliOption::kVid, true},
    {"--pid", CliOption::kPid, true},          {"--string", CliOption::kString, true},
    {"--force", CliOption::kForce, false},     {"--interval", CliOption::kInterval, true},
    {"--dry-run", CliOption::kDryRun, false},  {"--bar", CliOption::kBar, true},
    {"--full", CliOption::kFull, false},
};

const OptionSpelling* FindSpelling(const QString& arg)
{
    for (const OptionSpelling& spelling : kSpellings)
        if (arg == QLatin1String(spelling.name))
            return &spelling;
    return nullptr;
}

// Whole seconds from 1 to `most`: digits only, no sign, no fraction.
std::optional<int> WholeSeconds(const QString& value, int most)
{
    const bool digits = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    const int seconds = digits ? value.toInt() : 0;
    if (seconds < 1 || seconds > most)
        return std::nullopt;
    return seconds;
}

// Keeps an option's value; false (with the error set) for a value the option does not take.
bool StoreValue(unsigned bit, const QString& value, CliOptions& options)
{
    switch (bit) {
    case CliOption::kReceiver: options.receiver = value; break;
    case CliOption::kTimeout:
        // Pairing runs in ticks of a second, and the receiver ends it itself after its last
        // tick: a time-out is a whole number of ticks, none beyond the receiver's.
        options.timeoutSeconds = WholeSeconds(value, Pairing::kTimeoutTick);
        if (!options.timeoutSeconds) {
            options.error = Localized(CliText::kTimeoutRange).arg(Pairing::kTimeoutTick).arg(value);
            return false;
        }
        break;
    case CliOption::kInterval:
        options.intervalSeconds = WholeSeconds(value, kMostIntervalSeconds);
        if (!options.intervalSeconds) {
            options.error = Localized(WatchText::kIntervalRange).arg(value);
            return false;
        }
        break;
    case CliOption::kBar:
        if (!BarFormatNamed(value)) {
            options.error = Localized(WatchText::kBarRange).arg(value);
            return false;
        }
        options.bar = value;
        break;
    case CliOption::kVid: options.vid = value; break;
    case CliOption::kPid: options.pid = value; break;
    case CliOption::kString: options.text = value; break;
    }
    return true;
}

// `--option value` or `--option=value`; `arg` is left as the option's name alone.
bool ParseOption(const QStringList& arguments, int& i, QString& arg, CliOptions& options)
{
    arg = arguments.at(i);
    std::optional<QString> joined;  // the value after '='
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    if (arg.startsWith(QLatin1String("--")) && equals > 2) {
        joined = arg.mid(equals + 1);
        arg.truncate(equals);
    }
    const OptionSpelling* spelling = FindSpelling(arg);
    if (!spelling) {
        options.error = Localized(CliText::kUnknownFlag).arg(arguments.at(i));
        return false;
    }
    if (options.given & spelling->bit) {
        options.error = Localized(CliText::kGivenTwice).arg(arg);
        return false;
    }
    options.given |= spelling->bit;
    if (!spelling->takesValue && joined) {
        options.error = Localized(CliText::kTakesNoValue).arg(arg);
        return false;
    }
    if (!spelling->takesValue)
        return true;
    if (joined)
        return StoreValue(spelling->bit, *joined, options);
    if (i + 1 >= arguments.size()) {
        options.error = Localized(CliText::kNeedsValue).arg(arg);
        return false;
    }
    return StoreValue(spelling->bit, arguments.at(++i), options);
}

// The first option or word the command does not take, worded for the user; empty when none.
QString Superfluous(const CliOptions& options, const QStringList& spelled)
{
    const CliCommand* command = FindCliCommand(options.command);
    if (!command)
        return QString();
    for (const QString& arg : spelled)
        if (!(FindSpelling(arg)->bit & TakenOptions(*command)))
            return Localized(CliText::kNotAnOptionOf).arg(arg, options.command);
    if (options.arguments.size() > command->maxArguments)
        return Localized(CliText::kExtraArgument)
            .arg(options.arguments.at(command->maxArguments), QString::fromLatin1(command->usage));
    return QString();
}

}  // namespace

CliOptions ParseCliOptions(const QStringList& arguments)
{
    CliOptions options;
    QStringList spelled;  // the options as given, in their order
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg.startsWith(QLatin1String("-")) && arg.size() > 1) {
            QString name;
            if (!ParseOption(arguments, i, name, options))
                return options;
            spelled << name;
        } else if (options.command.isEmpty()) {
            if (!FindCliCommand(arg)) {
                options.error = Localized(CliText::kUnknownCommand).arg(arg);
                return options;
            }
            options.command = arg;
        } else {
            options.arguments << arg;
        }
    }
    options.error = Superfluous(options, spelled);
    options.json = options.given & CliOption::kJson;
    options.simulate = options.given & CliOption::kSimulate;
    options.help = options.given & CliOption::kHelp;
    options.version = options.given & CliOption::kVersion;
    options.force = options.given & CliOption::kForce;
    options.dryRun = options.given & CliOption::kDryRun;
    options.full = options.given & CliOption::kFull;
    return options;
}

QStringList OptionSpellings(unsigned bits)
{
    QStringList names;
    for (const OptionSpelling& spelling : kSpellings)
        if ((spelling.bit & bits) && QLatin1String(spelling.name).startsWith(QLatin1String("--")))
            names << QString::fromLatin1(spelling.name);
    return names;
}

bool OptionTakesValue(const QString& spelling)
{
    const OptionSpelling* found = FindSpelling(spelling);
    return found && found->takesValue;
}
