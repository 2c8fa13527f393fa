#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, PrintUdevRules, UsageError };
    Action action = Action::Run;
    bool simulate = false;
    bool hidden = false;  // start in the tray, the window unshown
    QString error;        // for UsageError: the one-line message
};

// Understands --simulate, --hidden, --help, --version and --print-udev-rules; anything else is
// a usage error (exit status 2).
CommandLine ParseCommandLine(const QStringList& arguments);

// In the language in force.
QString UsageText(const QString& program);
