// Pairing a new mouse or keyboard: the Connect button and the pairing timer.
#include "window/receiver/PairingHandlers.h"

#include "protocol/i18n/Lang.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"
#include "window/controls/ALed.h"
#include "window/device/ReceiverAttachHandlers.h"
#include "window/i18n/PairingTexts.h"
#include "window/receiver/ReceiverRunGuard.h"
#include "window/receiver/StatusHandlers.h"

namespace {

constexpr int kReadBackSettleMs = 50;

LinkStatus HeldIds(const ReceiverState& state)
{
    return {0, quint8(state.PreMseID), quint8(state.PreKbdID)};
}

}  // namespace

void TForm1::btnCombo_Cmd_Soft_Bind_SWClick(QObject*)
{
    if (receiverBusy()) {
        // A tick is between two of its exchanges: the pairing starts once it is done.
        pairing_->clickPending = true;
        pairing_->clickReceiver = link_->receiver.ReceiverChanges;
        return;
    }
    const ReceiverRunGuard guard(pairing_->runningOn, link_->receiver.ReceiverChanges);
    tmrStatus->stop();
    link_->receiver.BindTickCounter = 0;
    if (!Receiver())
        return;
    const std::optional<LinkStatus> held = pairing_->pairing.start();
    if (!held) {
        if (tmrSoftBind->isActive()) {  // a pairing restarted in vain ends here
            tmrSoftBind->stop();
            showConnectionPicture(imgConnected);
            setPairingCaption(false);
        }
        const quint64 receiver = link_->receiver.ReceiverChanges;
        showPairingDialog(Localized(PairingTexts::kNoSteadyLinkStatus));
        if (receiver == link_->receiver.ReceiverChanges)
            tmrStatus->start();
        return;
    }
    link_->receiver.PreMseID = held->mouseId;
    link_->receiver.PreKbdID = held->keyboardId;
    Debug(PairingStartLine(link_->receiver.BindTickCounter, *held));
    showPairingTimeLeft(0);
    tmrSoftBind->start();
    showConnectionPicture(gifBind);
    setPairingCaption(true);
}

void TForm1::tmrSoftBindTimer(QObject*)
{
    if (ReceiverRunGuard::Busy(status_->tickOn, link_->receiver.ReceiverChanges))
        return;  // the timer comes again in a second
    {
        const ReceiverRunGuard guard(pairing_->runningOn, link_->receiver.ReceiverChanges);
        if (guard.entered())
            runPairingTick();
    }
    runPendingPairingClick();
}

void TForm1::runPairingTick()
{
    tmrStatus->stop();
    const int tick = ++link_->receiver.BindTickCounter;
    if (!Receiver()) {
        tmrSoftBind->stop();
        return;
    }
    const Pairing::TickResult result = pairing_->pairing.tick(
        tick, HeldIds(link_->receiver),
        [this, tick](ReadingStage stage, const LinkStatus& reading) {
            Debug(PairingReadingLine(stage, tick, reading));
        },
        [this](const SpecialReply& reply) { showSpecialRun(reply); });
    switch (result.outcome) {
    case Pairing::Outcome::Pairing:
    case Pairing::Outcome::Skipped: showPairingTimeLeft(tick); return;
    case Pairing::Outcome::Gone: return;
    case Pairing::Outcome::NoStableReading:
        ShowNoReceiver();
        tmrSoftBind->stop();
        return;
    case Pairing::Outcome::Paired: {
        const bool newMouse = result.now.mouseId != link_->receiver.PreMseID;
        link_->receiver.PreMseID = result.now.mouseId;
        link_->receiver.PreKbdID = result.now.keyboardId;
        endPairing(true, newMouse);
        return;
    }
    case Pairing::Outcome::TimedOut: endPairing(false); return;
    }
}

void TForm1::showPairingTimeLeft(int ticksDone)
{
    link_->line = ReceiverLinkState::Line::Pairing;
    link_->pairingSecondsLeft = Pairing::kTimeoutTick - ticksDone;
    showLinkLine();
}

void TForm1::endPairing(bool paired, bool newMouse)
{
    tmrSoftBind->stop();
    link_->line = ReceiverLinkState::Line::Attached;
    showLinkLine();
    showConnectionPicture(imgConnected);
    setPairingCaption(false);
    const quint64 receiver = link_->receiver.ReceiverChanges;
    showPairingDialog(Term(paired ? TermId::PairingSucceeded : TermId::PairingFailed));
    // A receiver dropped or attached while the dialog was open has had its timers and flags set.
    if (receiver != link_->receiver.ReceiverChanges)
        return;
    if (paired && CheckMouseLink()) {
        Channel().wait(kReadBackSettleMs);
        btnRdRFSettingClick(btnRdRFSetting);
        if (receiver == link_->receiver.ReceiverChanges)
            ledTX->setValue(true);
        // Set up as the old one, if the user wants: the tool never writes on its own.
        if (newMouse && receiver == link_->receiver.ReceiverChanges && link_->receiver.SettingsRead)
            offerLastSettingsFile();
    }
    // So can one that came while the link check or the read-back let events run.
    if (receiver != link_->receiver.ReceiverChanges)
        return;
    link_->receiver.PrevBindingStatusBB = false;
    tmrStatus->start();
}

void TForm1::setPairingCaption(bool pairing)
{
    btnCombo_Cmd_Soft_Bind_SW->setText(
        Term(pairing ? TermId::ConnectingCaption : TermId::ConnectCaption));
}

void TForm1::showPairingDialog(const QString& text)
{
    if (services_.prompts)
        services_.prompts->showInformation(this, Term(TermId::PairingTitle), text);
}

bool TForm1::receiverBusy() const
{
    return ReceiverRunGuard::Busy(status_->tickOn, link_->receiver.ReceiverChanges) ||
           ReceiverRunGuard::Busy(pairing_->runningOn, link_->receiver.ReceiverChanges);
}

void TForm1::runPendingPairingClick()
{
    if (!pairing_->clickPending || receiverBusy())
        return;
    pairing_->clickPending = false;
    // A click meant for a receiver that has gone since is dropped with it.
    if (pairing_->clickReceiver == link_->receiver.ReceiverChanges &&
        btnCombo_Cmd_Soft_Bind_SW->isEnabled())
        btnCombo_Cmd_Soft_Bind_SWClick(btnCombo_Cmd_Soft_Bind_SW);
}
