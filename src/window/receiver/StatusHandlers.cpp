// The status tick, the battery and CPI read-outs, and the mouse link check.
#include "window/receiver/StatusHandlers.h"

#include "protocol/i18n/ReceiverLinkTexts.h"
#include "window/app/BatteryTray.h"
#include "window/app/LanguageChooser.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"
#include "window/device/ReceiverAttachHandlers.h"
#include "window/engineering/EngineeringUnlockHandlers.h"
#include "window/receiver/PairingHandlers.h"
#include "window/receiver/ReceiverRunGuard.h"
#include "window/receiver/SettingsHandlers.h"

#include <QMutexLocker>
#include <QScopeGuard>

#include <cstdio>

namespace {

constexpr int kReadBackSettleMs = 50;

TColor MouseGaugeColour(int level)
{
    switch (MouseBatteryBand(level)) {
    case BatteryBand::Good: return clLime;
    case BatteryBand::Low: return clYellow;
    case BatteryBand::Critical: break;
    }
    return clRed;
}

}  // namespace

void TForm1::tmrStatusTimer(QObject*)
{
    if (LanguageChooserShowing() || link_->receiver.ReadBackInProgress ||
        ReceiverRunGuard::Busy(pairing_->runningOn, link_->receiver.ReceiverChanges))
        return;
    if (tmrSoftBind->isActive()) {
        tmrStatus->stop();  // the pairing owns the receiver; it arms the status timer when done
        return;
    }
    {
        const ReceiverRunGuard guard(status_->tickOn, link_->receiver.ReceiverChanges);
        if (guard.entered())
            runStatusTick();
    }
    runPendingPairingClick();
}

void TForm1::runStatusTick()
{
    tmrStatus->stop();
    const QMutexLocker lock(DeviceLock());
    if (!Receiver()) {
        showConnectionPicture(imgNoneDev);
        return;  // the timer stays off until the next attach
    }
    if (link_->attachPending) {
        AttachReceiver();  // it sets the timer
        return;
    }
    // Every way out arms the next tick, but for a receiver that went meanwhile (its detach and
    // the next attach set the timers) and a pairing started meanwhile (it arms the timer when
    // done): a tick that another process kept off the receiver is skipped, not the last one.
    const auto armNext = qScopeGuard([this, receiver = link_->receiver.ReceiverChanges] {
        if (receiver == link_->receiver.ReceiverChanges && Receiver() && !tmrSoftBind->isActive())
            tmrStatus->start();
    });
    const CommandChannel::Sequence run(Channel());
    if (run.refused()) {
        tellLockFailure();
        return;
    }
    status_->tickBattery.reset();
    btnBatteryClick(btnBattery);
    if (cpiOnShow())
        btnCPIClick(btnCPI);
    if (unlock_->engineeringMode) {
        runSpecialCommand(Cmd::Special::kHoppingMaps);
        runSpecialCommand(Cmd::Special::kMaskList);
    }
    const std::optional<SpecialReply> status = runSpecialCommand(Cmd::Special::kBindingStatus);
    if (!run.live())
        return;
    noteBatteryTick(status);
    if (!run.live())
        return;
    const BindingStep step =
        NextBindingStep(link_->receiver.PrevBindingStatusBB, link_->receiver.SettingsRead,
                        status ? std::optional<quint8>(status->bytes[1]) : std::nullopt);
    if (step.checkMouseLink && CheckMouseLink()) {
        Channel().wait(kReadBackSettleMs);
        btnRdRFSettingClick(btnRdRFSetting);
    }
    if (run.live())
        link_->receiver.PrevBindingStatusBB = step.prevBindingStatusBB;
}

void TForm1::tellLockFailure()
{
    const QString& failure = Channel().lockFailure();
    if (failure.isEmpty() || status_->lockFailureTold)
        return;  // another program has the receiver for a moment: the next tick looks again
    status_->lockFailureTold = true;
    const QString text = Localized(ReceiverLinkText::kLockUnavailable).arg(failure);
    std::fprintf(stderr, "karvelo-rf-tool: %s\n", qPrintable(text));
    if (services_.prompts)
        services_.prompts->showMessage(this, text);
}

std::optional<SpecialReply> TForm1::runSpecialCommand(int n)
{
    const std::optional<SpecialReply> reply = link_->specialCommands.Run(n);
    if (reply)
        showSpecialRun(*reply);
    return reply;
}

void TForm1::showSpecialRun(const SpecialReply& reply)
{
    showSpecialReply(reply);
    for (const ChannelMapRow& row : ChannelMapRows(reply))
        paintGridRow(row);
}

void TForm1::btnBatteryClick(QObject*)
{
    const ReceiverRunGuard guard(status_->readoutOn, link_->receiver.ReceiverChanges);
    if (!guard.entered() || !Receiver())
        return;
    status_->tickBattery = status_->readouts.readBattery();
    if (status_->tickBattery)
        showBattery(*status_->tickBattery);
}

void TForm1::showBattery(const BatteryLevels& levels)
{
    pbKbdBattery->setValue(double(levels.keyboard));
    pbMseBattery->setValue(double(levels.mouse));
    const TColor colour = MouseGaugeColour(levels.mouse);
    pbMseBattery->setColorRange(colour, colour);
    showBatteryTips();
    const bool keyboardServed = pbKbdBattery->isVisibleTo(this);
    trayBattery->showLevels(levels.mouse,
                            keyboardServed ? std::optional<int>(levels.keyboard) : std::nullopt,
                            int(pbKbdBattery->Max()));
}

void TForm1::btnCPIClick(QObject*)
{
    const ReceiverRunGuard guard(status_->readoutOn, link_->receiver.ReceiverChanges);
    if (!guard.entered() || !Receiver())
        return;
    const CommandChannel::Sequence run(Channel());
    if (link_->receiver.CpiChanged) {
        CheckMouseLink();  // renews the link after a CPI change; its answer is not needed
        link_->receiver.CpiChanged = false;
    }
    const std::optional<int> hundreds = status_->readouts.readCpi();
    if (!hundreds)
        return;
    const QString cpi = QString::number(*hundreds * 100);
    if (edtCPI->text() != cpi)  // the tick reads the CPI every second; a box set lays out its text
        edtCPI->setText(cpi);
    Channel().pump();
    if (run.live())
        showCpi(*hundreds);
}

void TForm1::showCpi(int hundreds)
{
    const SettingRow& cpi = FirstSettingOf(SettingKind::MouseCpi);
    const std::optional<int> choice =
        CpiChoiceToShow(hundreds, settings_->binder.shown(cpi), link_->receiver.ReadBackInProgress);
    if (choice)
        settings_->binder.show(cpi, *choice);  // shown, not chosen: nothing goes to the mouse
}

bool TForm1::cpiOnShow() const
{
    return settings_->binder.shown(FirstSettingOf(SettingKind::MouseCpi)) >= 0;
}

bool TForm1::CheckMouseLink()
{
    const MouseLinkCheck check = status_->readouts.checkMouseLink();
    if (check.lastReply)
        showSpecialReply(*check.lastReply);
    if (check.sensorData) {
        edtRF_SensorAddr->setValue(0);
        edtRF_SensorData->setText(ReadResultText(*check.sensorData));
    }
    return check.linked;
}
