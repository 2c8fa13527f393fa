// Pairing a new mouse or keyboard: the Connect button and the pairing timer.
#include "window/app/MainWindow.h"

#include "window/app/UserPrompts.h"
#include "window/controls/ALed.h"
#include "window/receiver/ReceiverRunGuard.h"
#include "protocol/i18n/Lang.h"
#include "window/i18n/PairingTexts.h"

namespace {

constexpr quint8 kDialogTitleTerm = 2;
constexpr quint8 kIdleCaptionTerm = 3;
constexpr quint8 kPairingCaptionTerm = 4;
constexpr quint8 kPairedTerm = 5;
constexpr quint8 kFailedTerm = 6;
constexpr int kReadBackSettleMs = 50;

QString Term(quint8 id)
{
    QString text;
    GetTerm(id, text);
    return text;
}

LinkStatus HeldIds(const ReceiverState& state)
{
    return {0, quint8(state.PreMseID), quint8(state.PreKbdID)};
}

} // namespace

void TForm1::btnCombo_Cmd_Soft_Bind_SWClick(QObject*)
{
    if (ReceiverBusy()) {
        // A tick is between two of its exchanges: the pairing starts once it is done.
        pairingClickPending_ = true;
        pairingClickReceiver_ = state_.ReceiverChanges;
        return;
    }
    const ReceiverRunGuard guard(pairingOn_, state_.ReceiverChanges);
    tmrStatus->stop();
    state_.BindTickCounter = 0;
    if (!Receiver())
        return;
    const std::optional<LinkStatus> held = pairing_.Start();
    if (!held) {
        if (tmrSoftBind->isActive()) {  // a pairing restarted in vain ends here
            tmrSoftBind->stop();
            ShowConnectionPicture(imgConnected);
            SetPairingCaption(false);
        }
        const quint64 receiver = state_.ReceiverChanges;
        ShowPairingDialog(Localized(PairingTexts::kNoSteadyLinkStatus));
        if (receiver == state_.ReceiverChanges)
            tmrStatus->start();
        return;
    }
    state_.PreMseID = held->mouseId;
    state_.PreKbdID = held->keyboardId;
    Debug(PairingStartLine(state_.BindTickCounter, *held));
    tmrSoftBind->start();
    ShowConnectionPicture(gifBind);
    SetPairingCaption(true);
}

void TForm1::tmrSoftBindTimer(QObject*)
{
    if (ReceiverRunGuard::Busy(statusTickOn_, state_.ReceiverChanges))
        return;  // the timer comes again in a second
    {
        const ReceiverRunGuard guard(pairingOn_, state_.ReceiverChanges);
        if (guard.entered())
            RunPairingTick();
    }
    RunPendingPairingClick();
}

void TForm1::RunPairingTick()
{
    tmrStatus->stop();
    const int tick = ++state_.BindTickCounter;
    if (!Receiver()) {
        tmrSoftBind->stop();
        return;
    }
    const Pairing::TickResult result = pairing_.Tick(
        tick, HeldIds(state_),
        [this, tick](ReadingStage stage, const LinkStatus& reading) {
            Debug(PairingReadingLine(stage, tick, reading));
        },
        [this](const SpecialReply& reply) { ShowSpecialRun(reply); });
    switch (result.outcome) {
    case Pairing::Outcome::Pairing:
    case Pairing::Outcome::Gone:
        return;
    case Pairing::Outcome::NoStableReading:
        ShowNoReceiver();
        tmrSoftBind->stop();
        return;
    case Pairing::Outcome::Paired:
        state_.PreMseID = result.now.mouseId;
        state_.PreKbdID = result.now.keyboardId;
        EndPairing(true);
        return;
    case Pairing::Outcome::TimedOut:
        EndPairing(false);
        return;
    }
}

void TForm1::EndPairing(bool paired)
{
    tmrSoftBind->stop();
    ShowConnectionPicture(imgConnected);
    SetPairingCaption(false);
    const quint64 receiver = state_.ReceiverChanges;
    ShowPairingDialog(Term(paired ? kPairedTerm : kFailedTerm));
    // A receiver dropped or attached while the dialog was open has had its timers and flags set.
    if (receiver != state_.ReceiverChanges)
        return;
    if (paired && CheckMouseLink()) {
        channel_.wait(kReadBackSettleMs);
        btnRdRFSettingClick(btnRdRFSetting);
        if (receiver == state_.ReceiverChanges)
            ledTX->setValue(true);
    }
    // So can one that came while the link check or the read-back let events run.
    if (receiver != state_.ReceiverChanges)
        return;
    state_.PrevBindingStatusBB = false;
    tmrStatus->start();
}

void TForm1::SetPairingCaption(bool pairing)
{
    btnCombo_Cmd_Soft_Bind_SW->setText(Term(pairing ? kPairingCaptionTerm : kIdleCaptionTerm));
}

void TForm1::ShowPairingDialog(const QString& text)
{
    if (services_.prompts)
        services_.prompts->ShowInformation(this, Term(kDialogTitleTerm), text);
}

bool TForm1::ReceiverBusy() const
{
    return ReceiverRunGuard::Busy(statusTickOn_, state_.ReceiverChanges) ||
           ReceiverRunGuard::Busy(pairingOn_, state_.ReceiverChanges);
}

void TForm1::RunPendingPairingClick()
{
    if (!pairingClickPending_ || ReceiverBusy())
        return;
    pairingClickPending_ = false;
    // A click meant for a receiver that has gone since is dropped with it.
    if (pairingClickReceiver_ == state_.ReceiverChanges && btnCombo_Cmd_Soft_Bind_SW->isEnabled())
        btnCombo_Cmd_Soft_Bind_SWClick(btnCombo_Cmd_Soft_Bind_SW);
}
