#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asked for: `karvelo-rf [--json] [--simulate] [--receiver NODE]
// COMMAND [ARGUMENTS]`; global options may stand anywhere.
struct CliOptions {
    QString command;          // list, status, pair, get, set, identity; empty: none given
    QStringList arguments;    // the command's own words (set OPTION VALUE, get [OPTION])
    bool json = false;
    bool simulate = false;
    bool help = false;
    bool version = false;
    QString receiver;         // node path chosen with --receiver
    std::optional<double> timeoutSeconds;  // pair --timeout
    std::optional<QString> vid;            // identity --vid
    std::optional<QString> pid;            // identity --pid
    std::optional<QString> text;           // identity --string
    QString error;            // a usage error, already worded for the user
};

CliOptions ParseCliOptions(const QStringList& arguments);

// The commands, in the order --help lists them.
const QStringList& CliCommands();
