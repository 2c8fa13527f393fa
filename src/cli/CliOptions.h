#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The options, as bits: what a command takes and what was given.
namespace CliOption {
constexpr unsigned kJson = 1u << 0;
constexpr unsigned kSimulate = 1u << 1;
constexpr unsigned kHelp = 1u << 2;
constexpr unsigned kVersion = 1u << 3;
constexpr unsigned kReceiver = 1u << 4;
constexpr unsigned kTimeout = 1u << 5;
constexpr unsigned kVid = 1u << 6;
constexpr unsigned kPid = 1u << 7;
constexpr unsigned kString = 1u << 8;
constexpr unsigned kForce = 1u << 9;
constexpr unsigned kInterval = 1u << 10;
constexpr unsigned kBar = 1u << 11;
constexpr unsigned kFull = 1u << 12;
constexpr unsigned kDryRun = 1u << 13;
// Taken by every command.
constexpr unsigned kGlobal = kJson | kSimulate | kHelp | kVersion;
}  // namespace CliOption

// What the command line asked for: `karvelo-rf [--json] [--simulate] [--receiver NODE]
// COMMAND [ARGUMENTS]`; options may stand anywhere, each at most once, and only those the
// command takes.
struct CliOptions {
    QString command;        // list, status, pair, get, set, identity, watch; empty: none given
    QStringList arguments;  // the command's own words (set OPTION VALUE, get [OPTION])
    unsigned given = 0;     // CliOption bits
    bool json = false;
    bool simulate = false;
    bool help = false;
    bool version = false;
    bool force = false;                  // identity --force
    bool dryRun = false;                 // apply --dry-run
    QString receiver;                    // node path chosen with --receiver
    std::optional<int> timeoutSeconds;   // pair --timeout
    std::optional<int> intervalSeconds;  // watch --interval
    std::optional<QString> bar;          // watch --bar: waybar or line
    bool full = false;                   // report --full
    std::optional<QString> vid;          // identity --vid
    std::optional<QString> pid;          // identity --pid
    std::optional<QString> text;         // identity --string
    QString error;                       // a usage error, already worded for the user
};

CliOptions ParseCliOptions(const QStringList& arguments);

// The spellings of the options among `bits` (the long ones), for the shells' completion.
QStringList OptionSpellings(unsigned bits);
// Whether the option so spelled takes a value after it.
bool OptionTakesValue(const QString& spelling);
