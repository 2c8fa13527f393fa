#include "window/app/CommandLine.h"

#include "window/i18n/UsageTexts.h"

namespace {

// The options every Qt program takes, which the application object reads and removes: with a
// value (also as -option=value), and without one.
const char* const kQtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger", "dialogs", "fontengine"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The Qt option's name without its dashes and value, or empty for one that is not Qt's.
QString QtOptionName(const QString& arg, bool& hasValue)
{
    if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-"))
        return QString();
    QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
    hasValue = name.contains(QLatin1Char('='));
    name = name.section(QLatin1Char('='), 0, 0);
    for (const char* option : kQtOptionsWithValue)
        if (name == QLatin1String(option))
            return name;
    for (const char* flag : kQtFlags)
        if (name == QLatin1String(flag) && !hasValue)
            return name;
    return QString();
}

bool TakesValue(const QString& qtOption)
{
    for (const char* flag : kQtFlags)
        if (qtOption == QLatin1String(flag))
            return false;
    return true;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        bool hasValue = false;
        if (const QString qtOption = QtOptionName(arg, hasValue); !qtOption.isEmpty()) {
            if (!TakesValue(qtOption) || hasValue)
                continue;
            if (++i < arguments.size())
                continue;  // the value, read by the application object
            result.action = CommandLine::Action::UsageError;
            result.error = QStringLiteral("option '%1' needs a value").arg(arg);
            return result;
        }
        if (arg == QLatin1String("--simulate")) {
            result.simulate = true;
        } else if (arg == QLatin1String("--hidden")) {
            result.hidden = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.action = CommandLine::Action::ShowHelp;
            return result;
        } else if (arg == QLatin1String("--version")) {
            result.action = CommandLine::Action::ShowVersion;
            return result;
        } else if (arg == QLatin1String("--print-udev-rules")) {
            result.action = CommandLine::Action::PrintUdevRules;
            return result;
        } else {
            result.action = CommandLine::Action::UsageError;
            result.error = QStringLiteral("unknown argument '%1' (try --help)").arg(arg);
            return result;
        }
    }
    return result;
}

QString UsageText(const QString& program)
{
    return Localized(UsageTexts::kUsage).arg(program);
}
