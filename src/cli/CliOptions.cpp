#include "cli/CliOptions.h"

namespace {

// An option that takes the next word as its value; false (with the error set) when none follows.
bool TakeValue(const QStringList& arguments, int& i, QString& value, CliOptions& options)
{
    if (i + 1 >= arguments.size()) {
        options.error = QStringLiteral("%1 needs a value").arg(arguments.at(i));
        return false;
    }
    value = arguments.at(++i);
    return true;
}

bool ParseOption(const QStringList& arguments, int& i, CliOptions& options)
{
    const QString& arg = arguments.at(i);
    QString value;
    if (arg == QLatin1String("--json")) {
        options.json = true;
    } else if (arg == QLatin1String("--simulate")) {
        options.simulate = true;
    } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
        options.help = true;
    } else if (arg == QLatin1String("--version")) {
        options.version = true;
    } else if (arg == QLatin1String("--receiver")) {
        if (!TakeValue(arguments, i, options.receiver, options))
            return false;
    } else if (arg == QLatin1String("--timeout")) {
        if (!TakeValue(arguments, i, value, options))
            return false;
        bool ok = false;
        const double seconds = value.toDouble(&ok);
        if (!ok || !(seconds > 0 && seconds <= 3600)) {
            options.error = QStringLiteral("--timeout takes seconds from 1 to 3600, not '%1'").arg(value);
            return false;
        }
        options.timeoutSeconds = seconds;
    } else if (arg == QLatin1String("--vid") || arg == QLatin1String("--pid") ||
               arg == QLatin1String("--string")) {
        if (!TakeValue(arguments, i, value, options))
            return false;
        (arg == QLatin1String("--vid") ? options.vid
         : arg == QLatin1String("--pid") ? options.pid
                                         : options.text) = value;
    } else {
        options.error = QStringLiteral("unknown option '%1' (try --help)").arg(arg);
        return false;
    }
    return true;
}

}  // namespace

const QStringList& CliCommands()
{
    static const QStringList commands{QStringLiteral("list"), QStringLiteral("status"),
                                      QStringLiteral("pair"), QStringLiteral("get"),
                                      QStringLiteral("set"), QStringLiteral("identity")};
    return commands;
}

CliOptions ParseCliOptions(const QStringList& arguments)
{
    CliOptions options;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg.startsWith(QLatin1String("-")) && arg.size() > 1) {
            if (!ParseOption(arguments, i, options))
                return options;
        } else if (options.command.isEmpty()) {
            if (!CliCommands().contains(arg)) {
                options.error = QStringLiteral("unknown command '%1' (try --help)").arg(arg);
                return options;
            }
            options.command = arg;
        } else {
            options.arguments << arg;
        }
    }
    return options;
}
