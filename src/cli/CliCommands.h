#pragma once

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "protocol/i18n/LocalText.h"

#include <optional>
#include <vector>

class CliSession;

// Each command: what it prints goes to `out`, the exit status is returned. A Check function
// refuses bad arguments before any device is opened.
int RunList(CliSession& session, const CliOptions& options, CliOutput& out);
int RunStatus(CliSession& session, const CliOptions& options, CliOutput& out);
int RunPair(CliSession& session, const CliOptions& options, CliOutput& out);
int CheckGet(const CliOptions& options, CliOutput& out);
int RunGet(CliSession& session, const CliOptions& options, CliOutput& out);
int CheckSet(const CliOptions& options, CliOutput& out);
int RunSet(CliSession& session, const CliOptions& options, CliOutput& out);
int CheckIdentity(const CliOptions& options, CliOutput& out);
int RunIdentity(CliSession& session, const CliOptions& options, CliOutput& out);
// Opens the receiver itself: none at the start is a state, not an error.
int RunWatch(CliSession& session, const CliOptions& options, CliOutput& out);
int RunExport(CliSession& session, const CliOptions& options, CliOutput& out);
// Reads and checks the whole file before it opens the receiver itself.
int CheckApply(const CliOptions& options, CliOutput& out);
int RunApply(CliSession& session, const CliOptions& options, CliOutput& out);

// Opens the receiver the options name; on failure says why and gives the exit status.
std::optional<int> OpenOrSay(CliSession& session, const CliOptions& options, CliOutput& out);
// Opens the receiver itself: a report is made without one.
int RunReport(CliSession& session, const CliOptions& options, CliOutput& out);

struct CliCommand {
    const char* name;
    int (*run)(CliSession&, const CliOptions&, CliOutput&);
    int (*check)(const CliOptions&, CliOutput&);  // may be null
    bool needsReceiver;                           // and so takes --receiver
    unsigned options;  // the CliOption bits it takes besides the global ones and --receiver
    int maxArguments;  // words after the command's name
    const char* usage;
    QString (*summary)();  // in the language in force
};

// set's summary: the settings and their values, from the settings table.
QString SetSummary();

// The commands, in the order --help lists them.
const std::vector<CliCommand>& CliCommandTable();
// The command of this name, or null.
const CliCommand* FindCliCommand(const QString& name);
// The options the command takes: the global ones, --receiver when it needs a receiver, its own.
unsigned TakenOptions(const CliCommand& command);
