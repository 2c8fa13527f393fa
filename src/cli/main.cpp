#include "cli/CliCommands.h"
#include "cli/CliCompletion.h"
#include "cli/CliLanguage.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "protocol/i18n/ReceiverLinkTexts.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

const char* const kProgram = "karvelo-rf";

// The program and the options the command shares with others: "karvelo-rf [--json] ...".
QString ProgramOptions(const CliCommand& command)
{
    return QString::fromLatin1(kProgram) + QStringLiteral(" [--json] [--simulate]") +
           (TakenOptions(command) & CliOption::kReceiver ? QStringLiteral(" [--receiver NODE]")
                                                         : QString());
}

QString Usage()
{
    QString text = Localized(CliText::kUsageHead).arg(QString::fromLatin1(kProgram));
    for (const CliCommand& command : CliCommandTable())
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QString::fromLatin1(command.usage), command.summary());
    return text + Localized(CliText::kUsageTail);
}

int Run(const CliCommand& command, const CliOptions& options)
{
    if (options.help) {
        std::fputs(qPrintable(Localized(CliText::kCommandUsage)
                                  .arg(ProgramOptions(command), QString::fromLatin1(command.usage),
                                       command.summary())),
                   stdout);
        return CliExit::kDone;
    }
    CliOutput out(options.json);
    if (command.check) {
        const int checked = command.check(options, out);
        if (checked != CliExit::kDone) {
            out.flush(checked);
            return checked;
        }
    }
    CliSession session(options.simulate);
    const std::optional<int> unopened =
        command.needsReceiver ? OpenOrSay(session, options, out) : std::nullopt;
    int status = unopened ? *unopened : command.run(session, options, out);
    if (status != CliExit::kDone && session.ReceiverRemoved()) {
        // Whatever the command made of its failed exchanges, the reason is the removal.
        out.discard();
        out.error([&] { return Localized(ReceiverLinkText::kRemoved); });
        status = CliExit::kNoReceiver;
    }
    if (session.channel().lockRefused()) {
        const QString& failure = session.channel().lockFailure();
        out.error([&] {
            return failure.isEmpty() ? Localized(CliText::kWindowBusy)
                                     : Localized(ReceiverLinkText::kLockUnavailable).arg(failure);
        });
        status = CliExit::kDeviceFailed;
    }
    out.flush(status);
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    CurrentLanguage = MessagesLanguage();
    if (QCoreApplication::arguments().value(1) == QLatin1String(kCompletionCommand)) {
        for (const QString& word : CompletionCandidates(QCoreApplication::arguments().mid(2)))
            std::printf("%s\n", qPrintable(word));
        return CliExit::kDone;
    }
    const CliOptions options = ParseCliOptions(QCoreApplication::arguments());
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", kProgram, qPrintable(options.error));
        if (QCoreApplication::arguments().contains(QStringLiteral("--json"))) {
            CurrentLanguage = lkEng;
            CliOutput::printFailure(ParseCliOptions(QCoreApplication::arguments()).error,
                                    CliExit::kUsage);
        }
        return CliExit::kUsage;
    }
    if (options.version) {
        std::printf("%s %s\n", kProgram, APP_VERSION);
        return CliExit::kDone;
    }
    if (options.command.isEmpty()) {
        std::fputs(qPrintable(Usage()), options.help ? stdout : stderr);
        if (!options.help && options.json)
            CliOutput::printFailure(QStringLiteral("no command given (try --help)"),
                                    CliExit::kUsage);
        return options.help ? CliExit::kDone : CliExit::kUsage;
    }
    try {
        return Run(*FindCliCommand(options.command), options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", kProgram, e.what());
        if (options.json)
            CliOutput::printFailure(QString::fromLocal8Bit(e.what()), CliExit::kDeviceFailed);
    }
    return CliExit::kDeviceFailed;
}
