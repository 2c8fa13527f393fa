#include "protocol/device/AccessHelp.h"
#include "protocol/i18n/Lang.h"
#include "protocol/i18n/SettingsLanguageStore.h"
#include "protocol/platform/linux/StopSignals.h"
#include "window/app/Application.h"
#include "window/app/CommandLine.h"
#include "window/app/DisplayCheck.h"
#include "window/app/MainWindow.h"
#include "window/app/ServicesFactory.h"
#include "window/controls/Pictures.h"

#include <QIcon>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

const char* const kProgram = "karvelo-rf-tool";

QIcon WindowIcon()
{
    InitPictureResources();
    QIcon icon;
    for (const char* size : {"48", "128"})
        icon.addFile(QStringLiteral(":/icons/karvelo-rf-tool-%1.png").arg(QLatin1String(size)));
    return icon;
}

// The window's stored language, or the one the locale suggests when none is stored yet.
TLanguateKind LanguageInForce()
{
    const std::optional<QString> stored = SettingsLanguageStore().Read();
    if (const auto language = ParseStoredLanguage(stored.value_or(QString())))
        return *language;
    return LanguageForCodePage(SystemCodePage());
}

QStringList rawArguments(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char** argv)
{
    // Read before the application object exists, so --help and --version need no display.
    const CommandLine commandLine = ParseCommandLine(rawArguments(argc, argv));
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
        CurrentLanguage = LanguageInForce();
        std::fputs(qPrintable(UsageText(QString::fromLatin1(kProgram))), stdout);
        return 0;
    case CommandLine::Action::ShowVersion: std::printf("%s %s\n", kProgram, APP_VERSION); return 0;
    case CommandLine::Action::PrintUdevRules: std::fputs(UdevRuleText(), stdout); return 0;
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "%s: %s\n", kProgram, qPrintable(commandLine.error));
        return 2;
    case CommandLine::Action::Run: break;
    }

    // What the start says before the window has its language (no display, no tray) follows
    // the language the window will take.
    CurrentLanguage = LanguageInForce();
    std::optional<NoDisplayGuard> displayGuard(std::in_place, kProgram);
    KarveloApplication app(argc, argv);
    displayGuard.reset();
    app.setApplicationName(QString::fromLatin1(kProgram));
    app.setApplicationVersion(QStringLiteral(APP_VERSION));
    // The installed desktop entry (taskbars match the window to it and take its icon). The
    // window's own icon is built in: a search of the icon themes took a tenth of the start-up.
    app.setDesktopFileName(QString::fromLatin1(kProgram));
    app.setWindowIcon(WindowIcon());
    UseOwnLook(app);
    // The tool ends through the window's close sequence only: a hidden window, or a tray menu
    // closing while it is hidden, must not end it.
    app.setQuitOnLastWindowClosed(false);

    TForm1 form(commandLine.simulate ? SimulatedServices() : RealServices());
    // SIGTERM (another copy starting, a logout) and SIGINT close the window as the user would.
    bool closeRequested = false;
    StopSignals closeOnSignals([&] {
        closeRequested = true;
        form.Guarded([&] { form.FormCloseQuery(&form); });
    });
    form.Guarded([&] { StartWindows(form, commandLine.hidden); });
    if (closeRequested)
        return 0;  // closed while starting, before the event loop could be left
    return app.exec();
}
