#include "window/app/Application.h"

#include "window/app/BatteryTray.h"
#include "window/app/MainWindow.h"
#include "window/app/ProgressWindow.h"

#include <QStyle>
#include <QToolTip>

#include <cstdio>
#include <exception>

KarveloApplication::KarveloApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KarveloApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "karvelo-rf-tool: unhandled error: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "karvelo-rf-tool: unhandled error\n");
    }
    return false;
}

void UseOwnLook(QApplication& app)
{
    QStyle* style = QApplication::setStyle(QStringLiteral("Fusion"));
    if (!style)
        return;
    app.setPalette(style->standardPalette());
    // Tooltips keep a palette of their own, which the desktop's theme sets.
    QToolTip::setPalette(style->standardPalette());
}

void StartWindows(TForm1& form, bool hidden, int trayWaitMs)
{
    form.SetStartHidden(hidden);
    form.FormCreate(&form);
    QGuiApplication::setApplicationDisplayName(form.windowTitle());
    EnsureProgressWindow(form);
    form.trayBattery->keepInSight(trayWaitMs, hidden);
}
