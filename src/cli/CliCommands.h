#pragma once

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"

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
