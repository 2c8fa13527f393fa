#include "protocol/i18n/Lang.h"
#include "protocol/platform/linux/StopSignals.h"
#include "window/app/CommandLine.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(CommandLineTest, EveryOptionIsUnderstoodAndListedInTheHelp)
{
    using Action = CommandLine::Action;
    const struct {
        const char* option;
        Action action;
    } options[] = {{"--simulate", Action::Run},
                   {"--help", Action::ShowHelp},
                   {"-h", Action::ShowHelp},
                   {"--version", Action::ShowVersion},
                   {"--print-udev-rules", Action::PrintUdevRules},
                   {"--hidden", Action::Run}};
    for (const TLanguateKind language : {lkEng, lkCht, lkChs}) {
        CurrentLanguage = language;
        const QString help = UsageText(QStringLiteral("karvelo-rf-tool"));
        for (const auto& o : options) {
            const QString option = QString::fromLatin1(o.option);
            EXPECT_EQ(ParseCommandLine({QStringLiteral("tool"), option}).action, o.action);
            EXPECT_TRUE(help.contains(QStringLiteral(" ") + option + QStringLiteral(" ")) ||
                        help.contains(QStringLiteral(" ") + option + QStringLiteral(",")))
                << o.option << " " << language;
        }
    }
    CurrentLanguage = lkEng;
    EXPECT_TRUE(ParseCommandLine({"tool", "--hidden", "--simulate"}).hidden);
    const CommandLine wrong = ParseCommandLine({QStringLiteral("tool"), QStringLiteral("--x")});
    EXPECT_EQ(wrong.action, Action::UsageError);
    EXPECT_TRUE(wrong.error.contains(QStringLiteral("--x")));
}

TEST(CommandLineTest, QtsOwnOptionsAreLeftToTheApplicationObject)
{
    using Action = CommandLine::Action;
    const struct {
        QStringList arguments;
        Action action;
    } cases[] = {
        {{"-reverse", "--simulate"}, Action::Run},
        {{"-platform", "offscreen", "-display", ":1"}, Action::Run},
        {{"--platform", "xcb", "-style=Fusion"}, Action::Run},
        {{"-platform"}, Action::UsageError},        // its value is missing
        {{"-reverse=1"}, Action::UsageError},       // a flag takes none
        {{"-platformx", "y"}, Action::UsageError},  // not one of Qt's
    };
    for (const auto& c : cases) {
        const CommandLine parsed = ParseCommandLine(QStringList{"tool"} + c.arguments);
        EXPECT_EQ(parsed.action, c.action) << qPrintable(c.arguments.join(' '));
    }
    EXPECT_TRUE(ParseCommandLine({"tool", "-platform", "offscreen", "--simulate"}).simulate);
}

TEST(StopSignalsTest, TerminationAndInterruptRunTheCloseOnTheEventLoopOnce)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        int closes = 0;
        StopSignals closer([&] { ++closes; });
        ASSERT_TRUE(closer.installed());
        EXPECT_FALSE(StopSignals([] {}).installed());  // one at a time
        std::raise(signal);
        EXPECT_EQ(closes, 0);  // nothing runs inside the signal handler
        QCoreApplication::processEvents();
        EXPECT_EQ(closes, 1) << signal;
    }
}

}  // namespace
