// Reading the mouse's settings back into the controls, with the progress window shown.
#include "window/app/MainWindow.h"
#include "window/app/ProgressWindow.h"
#include "window/device/ReceiverAttachHandlers.h"
#include "window/receiver/SettingsHandlers.h"

#include <QPointer>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopeGuard>

void TForm1::btnRdRFSettingClick(QObject*)
{
    if (link_->receiver.ReadBackInProgress)
        return;
    const QPointer<TForm3> progress = EnsureProgressWindow(*this);
    {
        // Every way out gives the window back. Only what changed is drawn again, by the pump
        // below: the window's own picture of everything else is still whole.
        const auto finish = qScopeGuard([this, progress] {
            link_->receiver.ReadBackInProgress = false;
            if (progress)
                progress->hide();
        });
        link_->receiver.ReadBackInProgress = true;
        progress->pbRdRf->setRange(0, ReadBackSteps());
        progress->pbRdRf->setValue(0);
        // A newly shown transient window comes up in front of the main window.
        progress->show();
        progress->activateWindow();
        Channel().pump();

        SettingsReadBack::Hooks hooks;
        hooks.readHotkeys = [this] { btnGetCustKeyClick(btnGetCustKey); };
        hooks.readCpi = [this] {
            btnCPIClick(btnCPI);
            return cpiOnShow();
        };
        hooks.show = [this](const SettingRow& row, int choice) {
            settings_->binder.show(row, choice);
        };
        hooks.progress = [progress](int position) {
            if (progress)
                progress->pbRdRf->setValue(position);
        };
        hooks.debug = [this](const QString& line) { Debug(line); };
        const SettingsService::Readings read = settings_->service.read(nullptr, hooks);
        const SettingsReadBack::Result& result = read.readBack;
        // A receiver that went meanwhile leaves its successor's mouse to be read back; one that
        // another process held is read back by the next status tick.
        if (read.refused) {
            link_->receiver.SettingsRead = false;
        } else if (!result.receiverGone) {
            link_->receiver.PrevBindingStatusBB = false;
            link_->receiver.SettingsRead = true;
        }
    }
    Channel().pump();
}
