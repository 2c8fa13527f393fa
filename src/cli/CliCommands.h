#pragma once

#include "cli/CliOptions.h"
#include "cli/CliOutput.h"

class CliSession;

// Each command: what it prints goes to `out`, the exit status is returned.
int RunList(CliSession& session, const CliOptions& options, CliOutput& out);
