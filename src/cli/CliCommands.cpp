#include "cli/CliCommands.h"

#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "cli/ReportTexts.h"
#include "cli/WatchTexts.h"

const std::vector<CliCommand>& CliCommandTable()
{
    using namespace CliOption;
    static const std::vector<CliCommand> commands{
        {"list", RunList, nullptr, false, 0, 0, "list",
         [] { return Localized(CliText::kListSummary); }},
        {"status", RunStatus, nullptr, true, 0, 0, "status",
         [] { return Localized(CliText::kStatusSummary); }},
        {"pair", RunPair, nullptr, true, kTimeout, 0, "pair [--timeout S]",
         [] { return Localized(CliText::kPairSummary); }},
        {"get", RunGet, CheckGet, true, 0, 1, "get [OPTION]",
         [] { return Localized(CliText::kGetSummary); }},
        {"set", RunSet, CheckSet, true, 0, 2, "set OPTION VALUE", SetSummary},
        {"identity", RunIdentity, CheckIdentity, true, kVid | kPid | kString | kForce, 0,
         "identity [--vid X] [--pid Y] [--string S] [--force]",
         [] { return Localized(CliText::kIdentitySummary); }},
        {"watch", RunWatch, nullptr, false, kReceiver | kInterval | kBar, 0,
         "watch [--interval S] [--bar waybar|line]", [] { return Localized(WatchText::kSummary); }},
        {"report", RunReport, nullptr, false, kReceiver | kFull, 0, "report [--full]",
         [] { return Localized(ReportText::kSummary); }},
        {"export", RunExport, nullptr, true, 0, 1, "export [FILE]",
         [] { return Localized(CliText::kExportSummary); }},
        {"apply", RunApply, CheckApply, false, kReceiver | kDryRun, 1, "apply FILE [--dry-run]",
         [] { return Localized(CliText::kApplySummary); }},
    };
    return commands;
}

const CliCommand* FindCliCommand(const QString& name)
{
    for (const CliCommand& command : CliCommandTable())
        if (name == QLatin1String(command.name))
            return &command;
    return nullptr;
}

unsigned TakenOptions(const CliCommand& command)
{
    return CliOption::kGlobal | command.options |
           (command.needsReceiver ? CliOption::kReceiver : 0);
}

std::optional<int> OpenOrSay(CliSession& session, const CliOptions& options, CliOutput& out)
{
    switch (session.OpenReceiver(options.receiver)) {
    case CliSession::Open::Ok: return std::nullopt;
    case CliSession::Open::NoAccess:
        out.error([&] {
            return Localized(CliText::kNoAccess)
                .arg(options.receiver.isEmpty() ? session.deniedNodes().front() : options.receiver);
        });
        break;
    case CliSession::Open::NotFound:
        out.error([&] { return Localized(CliText::kReceiverNotFound).arg(options.receiver); });
        break;
    case CliSession::Open::NoReceiver:
        out.error([] { return Localized(CliText::kNoReceiver); });
        break;
    }
    return CliExit::kNoReceiver;
}
