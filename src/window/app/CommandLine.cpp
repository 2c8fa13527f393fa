#include "window/app/CommandLine.h"

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine result;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == QLatin1String("--simulate")) {
            result.simulate = true;
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
    return QStringLiteral(
               "Usage: %1 [--simulate | --print-udev-rules | --help | --version]\n"
               "Sets up a Karvelo 2.4G wireless keyboard and mouse through its USB receiver.\n"
               "\n"
               "  --simulate          run on the built-in simulated receiver instead of real\n"
               "                      devices\n"
               "  --print-udev-rules  print the udev rule that lets the logged-in user open the\n"
               "                      receiver, for: %1 --print-udev-rules | sudo tee\n"
               "                      /etc/udev/rules.d/70-karvelo-rf-receiver.rules\n"
               "  -h, --help          show this text and exit\n"
               "  --version           show the version and exit\n")
        .arg(program);
}
