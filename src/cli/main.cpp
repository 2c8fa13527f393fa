#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "protocol/i18n/Lang.h"
#include "protocol/i18n/ReceiverLinkTexts.h"
#include "protocol/i18n/SettingsLanguageStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const char* const kProgram = "karvelo-rf";

struct Command {
    std::function<int(CliSession&, const CliOptions&, CliOutput&)> run;
    std::function<int(const CliOptions&, CliOutput&)> check;  // may be empty
    bool needsReceiver;
    const char* usage;
    const char* summary;
};

const std::map<QString, Command>& Commands()
{
    static const std::map<QString, Command> commands{
        {QStringLiteral("list"), {RunList, {}, false, "list",
                                  "the receivers present, with node, IDs and access"}},
        {QStringLiteral("status"), {RunStatus, {}, true, "status",
                                    "channel, mouse and keyboard IDs, battery levels, CPI, binding status"}},
        {QStringLiteral("pair"), {RunPair, {}, true, "pair [--timeout S]",
                                  "pairs a new mouse or keyboard; exit status 0 paired, 1 timed out"}},
        {QStringLiteral("get"), {RunGet, CheckGet, true, "get [OPTION]",
                                 "the mouse's options and the hotkeys, read back"}},
        {QStringLiteral("set"), {RunSet, CheckSet, true, "set OPTION VALUE",
                                 "changes an option (verified as the window verifies it) or a hotkey;\n"
                                 "      options: cpi high|low, lr-cpi-switch enable|disable,\n"
                                 "      power-saving off|button-wakeup|on, wakeup motion-and-button|button-only,\n"
                                 "      battery-low 3.2|3.0|2.8|2.6|2.4|2.2|2.0|1.8, auto-connect off|on,\n"
                                 "      hotkey1|hotkey2 CAPTION (as the window lists them, any letter case)"}},
        {QStringLiteral("identity"), {RunIdentity, CheckIdentity, true,
                                      "identity [--vid X] [--pid Y] [--string S]",
                                      "reads the receiver's stored USB identity, or writes what is given"}},
    };
    return commands;
}

QString Usage()
{
    QString text = QStringLiteral(
        "Usage: %1 [--json] [--simulate] [--receiver NODE] COMMAND [ARGUMENTS]\n"
        "Reads and sets up a Karvelo 2.4G wireless keyboard and mouse through its USB receiver.\n\n"
        "Commands:\n").arg(QString::fromLatin1(kProgram));
    for (const QString& name : CliCommands()) {
        const auto it = Commands().find(name);
        if (it != Commands().end())
            text += QStringLiteral("  %1\n      %2\n").arg(QString::fromLatin1(it->second.usage),
                                                         QString::fromLatin1(it->second.summary));
    }
    text += QStringLiteral(
        "\nOptions:\n"
        "  --json             machine-readable output of read commands\n"
        "  --simulate         use the built-in simulated receiver\n"
        "  --receiver NODE    the receiver at this node (see list), when there are several\n"
        "  --help             this text; after a command, that command's use\n"
        "  --version          the version\n\n"
        "Exit status: 0 done, 1 the device refused or did not answer (or the window was busy\n"
        "with it), 2 usage error, 3 no receiver, no access, or the receiver was removed.\n");
    return text;
}

void UseStoredLanguage()
{
    SettingsLanguageStore store;
    const auto stored = ParseStoredLanguage(store.Read().value_or(QString()));
    CurrentLanguage = stored.value_or(LanguageForCodePage(SystemCodePage()));
}

int OpenFailure(CliSession::Open result, CliSession& session, const CliOptions& options,
                CliOutput& out)
{
    switch (result) {
    case CliSession::Open::NoAccess:
        out.error(Localized(CliText::kNoAccess)
                      .arg(options.receiver.isEmpty() ? session.deniedNodes().front() : options.receiver));
        break;
    case CliSession::Open::NotFound:
        out.error(Localized(CliText::kReceiverNotFound).arg(options.receiver));
        break;
    default:
        out.error(Localized(CliText::kNoReceiver));
        break;
    }
    return CliExit::kNoReceiver;
}

int Run(const CliOptions& options)
{
    const auto command = Commands().find(options.command);
    if (command == Commands().end()) {
        std::fprintf(stderr, "%s: '%s' is not available\n", kProgram, qPrintable(options.command));
        return CliExit::kUsage;
    }
    if (options.help) {
        std::printf("Usage: %s [--json] [--simulate] [--receiver NODE] %s\n%s\n", kProgram,
                    command->second.usage, command->second.summary);
        return CliExit::kDone;
    }
    CliOutput out(options.json);
    if (command->second.check) {
        const int checked = command->second.check(options, out);
        if (checked != CliExit::kDone) {
            out.flush();
            return checked;
        }
    }
    CliSession session(options.simulate);
    int status = CliExit::kDone;
    const CliSession::Open opened =
        command->second.needsReceiver ? session.OpenReceiver(options.receiver) : CliSession::Open::Ok;
    if (opened != CliSession::Open::Ok)
        status = OpenFailure(opened, session, options, out);
    else
        status = command->second.run(session, options, out);
    if (status != CliExit::kDone && session.ReceiverRemoved()) {
        // Whatever the command made of its failed exchanges, the reason is the removal.
        out.discard();
        out.error(Localized(ReceiverLinkText::kRemoved));
        status = CliExit::kNoReceiver;
    }
    if (session.channel().lockRefused()) {
        out.error(Localized(CliText::kWindowBusy));
        status = CliExit::kDeviceFailed;
    }
    out.flush();
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const CliOptions options = ParseCliOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", kProgram, qPrintable(options.error));
        return CliExit::kUsage;
    }
    if (options.version) {
        std::printf("%s %s\n", kProgram, APP_VERSION);
        return CliExit::kDone;
    }
    if (options.command.isEmpty()) {
        std::fputs(qPrintable(Usage()), options.help ? stdout : stderr);
        return options.help ? CliExit::kDone : CliExit::kUsage;
    }
    UseStoredLanguage();
    try {
        return Run(options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", kProgram, e.what());
    }
    return CliExit::kDeviceFailed;
}
