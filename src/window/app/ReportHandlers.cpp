#include "cli/BugReport.h"
#include "cli/CliTexts.h"
#include "cli/ReportTexts.h"
#include "cli/WatchLines.h"
#include "protocol/device/HidController.h"
#include "protocol/receiver/StatusPoll.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"
#include "window/receiver/SettingsHandlers.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QThread>

#include <memory>

void TForm1::CopyReportClick(QObject*)
{
    // The receiver as the window knows it: its status read now, as a status tick reads it, and
    // the settings it shows (reading them back would keep the window from input for a while).
    QJsonObject receiver = BugReport::ReceiverProblem(CliText::kNoReceiver.eng);
    std::optional<QJsonObject> settings;
    if (const THidDevice* device = Receiver()) {
        std::optional<StatusReading> reading;
        {
            const CommandChannel::Sequence run(Channel());
            if (!Channel().lockRefused())
                reading = ReadStatus(Channel(), false);
        }
        Channel().clearLockRefused();
        receiver = BugReport::ReceiverPart({device->PnPInfo().DevicePath,
                                            quint16(device->VendorID()),
                                            quint16(device->ProductID()),
                                            reading,
                                            reading ? MouseInReach(reading->binding) : std::nullopt,
                                            {}},
                                           false);
        settings = BugReport::SettingsPart([this](const SettingRow& row) {
            const int shown = settings_->binder.shown(row);
            return shown >= 0 ? std::optional<int>(shown) : std::nullopt;
        });
    }
    // The rest runs programs and asks the session bus: off the UI thread.
    const bool tray = QSystemTrayIcon::isSystemTrayAvailable();
    auto system = std::make_shared<QJsonObject>();
    QThread* worker = QThread::create([system, tray] {
        try {
            *system = BugReport::GatherSystem(tray);
        } catch (...) {
            // An incomplete report is still worth copying.
        }
    });
    QPointer<TForm1> window(this);
    connect(worker, &QThread::finished, this, [window, worker, system, receiver, settings] {
        worker->deleteLater();
        if (!window)
            return;
        window->Guarded([&] {
            const QString text = BugReport::Text(BugReport::Assemble(*system, receiver, settings),
                                                 IsoTime(QDateTime::currentDateTime()));
            QGuiApplication::clipboard()->setText(text);
            if (window->OnReportCopied)
                window->OnReportCopied(text);
            else
                window->Services().prompts->showInformation(window, window->windowTitle(),
                                                            Localized(ReportText::kCopied));
        });
    });
    worker->start();
}
