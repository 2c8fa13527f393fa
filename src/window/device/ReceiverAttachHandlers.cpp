// The window's side of choosing the receiver, attaching it and detaching it: the device list
// box, the controls reset on attach and detach, and the read-outs of the attach sequence.
#include "window/device/ReceiverAttachHandlers.h"

#include "protocol/device/AccessHelp.h"
#include "protocol/device/Commands.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/device/HidController.h"
#include "protocol/i18n/Lang.h"
#include "protocol/i18n/PermissionTexts.h"
#include "protocol/receiver/EepromMap.h"
#include "protocol/receiver/Pairing.h"
#include "protocol/receiver/StatusReadouts.h"
#include "window/app/BatteryTray.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"
#include "window/controls/ProgBar.h"
#include "window/engineering/ChannelDiagnosticsHandlers.h"
#include "window/i18n/ConnectionTexts.h"
#include "window/receiver/SettingsHandlers.h"
#include "window/receiver/StatusHandlers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QStandardPaths>
#include <QToolButton>

#include <cstdio>

bool TForm1::HidDeviceController1Enumerate(THidDevice* HidDev, int Idx)
{
    const QString text = DescribeDevice(HidDev);
    THidDevice* lent = nullptr;
    HidDeviceController1->LendDevice(Idx, lent);
    link_->devices.Add(text, lent);
    return true;
}

namespace {

// How the user starts this tool: its bare name when that is what the search path finds,
// otherwise the full path of the running executable.
QString ProgramInvocation()
{
    const QString running = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(running).fileName();
    if (name.isEmpty())
        return QStringLiteral("karvelo-rf-tool");
    const QString found = QStandardPaths::findExecutable(name);
    return !found.isEmpty() &&
                   QFileInfo(found).canonicalFilePath() == QFileInfo(running).canonicalFilePath()
               ? name
               : running;
}

}  // namespace

void TForm1::reportInaccessibleNodes(const std::vector<HidNodeInfo>& nodes)
{
    const AccessHelp help = AccessHelpFor(nodes, ProgramInvocation());
    if (help.empty())
        return;
    link_->inaccessibleNodes = nodes;
    std::fprintf(stderr, "karvelo-rf-tool: %s\n", help.plainText().toUtf8().constData());
    if (!Receiver()) {  // a receiver that cannot be opened is listed as no change of devices
        link_->line = ReceiverLinkState::Line::NotAccessible;
        showLinkLine();
    }
    showAccessHelp(false);
}

void TForm1::showAccessHelp(bool onlyIfOpen)
{
    const AccessHelp help = AccessHelpFor(link_->inaccessibleNodes, ProgramInvocation());
    if (!help.empty() && services_.prompts)
        services_.prompts->showNotice(this, help.title, help.plainText(), onlyIfOpen);
}

void TForm1::HidDeviceController1DeviceChange(QObject*)
{
    ensureEngineeringAreas();  // the device list box and the controls an attach resets
    const bool wasPairing = tmrSoftBind->isActive();
    link_->receiver.ForgetReceiver();
    ledTX->setEnabled(false);
    tmrSoftBind->stop();
    tmrStatus->stop();
    Channel().setReceiver(nullptr);
    SetChecked(rbC_RF_LEAVE_ACCESS, true);
    freeDevListObjects();
    HidDeviceController1->EnumerateDevices();
    THidDevice* receiver =
        SelectReceiver(link_->devices, *HidDeviceController1, link_->productTable);
    DevListBox->addItems(link_->devices.Lines());
    Channel().setReceiver(receiver);
    if (receiver) {
        AttachReceiver();
        return;
    }
    ShowNoReceiver();
    if (wasPairing) {
        link_->line = ReceiverLinkState::Line::RemovedWhilePairing;
        showLinkLine();
    }
}

void TForm1::freeDevListObjects()
{
    for (int row = 0; row < link_->devices.Count(); ++row)
        if (link_->devices.At(row) == Channel().receiver())
            Channel().setReceiver(nullptr);
    link_->devices.Clear();
    if (DevListBox)
        DevListBox->clear();
}

void TForm1::DevListBoxDblClick(QObject*)
{
    THidDevice* device = link_->devices.At(DevListBox->currentRow());
    if (!device)
        return;
    Channel().setReceiver(device);
    AttachReceiver();
}

void TForm1::showConnectionPicture(QWidget* picture)
{
    for (QWidget* each : {static_cast<QWidget*>(imgNoneDev), static_cast<QWidget*>(gifBind),
                          static_cast<QWidget*>(imgConnected)})
        each->setVisible(each == picture);
}

void TForm1::resetTestModeControls(bool enabled)
{
    rbTestOn->setEnabled(enabled);
    rbTestOff->setEnabled(enabled);
    SetChecked(rbTestOff, true);
    for (QToolButton* button : tlbTestMode->findChildren<QToolButton*>())
        button->setChecked(false);
    tlbTestMode->setEnabled(enabled);
    edtTXdata->clear();
    edtTestFreq->clear();
    btnC_Combo_Cmd_Set_Test_Mode_Tx_Data->setEnabled(enabled);
    btnC_Combo_Cmd_Test_Freq_Mode->setEnabled(enabled);
}

void TForm1::resetMouseChannelGrids()
{
    diagnostics_->shownRows[size_t(ChannelGrid::MouseHopping)] = {};
    diagnostics_->shownRows[size_t(ChannelGrid::Rssi)] = {};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 8; ++column) {
            PaintGridCell(FHSSCell(row, column), clMoneyGreen);
            PaintGridCell(RSSICell(row, column), clMoneyGreen);
        }
}

void TForm1::resetIdentityControls(bool enabled)
{
    edtVID_SET->clear();
    edtPID_SET->clear();
    btnEEPROM_R_VID->setEnabled(enabled);
    btnEEPROM_R_PID->setEnabled(enabled);
    btnEEPROM_R_20->setEnabled(enabled);
    edtEEPROM_20->clear();
}

void TForm1::AttachReceiver()
{
    ensureEngineeringAreas();
    // A receiver chosen by double click is as new as one found by a device change: its mouse
    // is read back afresh, and a pairing of the previous one ends here.
    link_->receiver.ForgetReceiver();
    status_->tickBattery.reset();
    tmrSoftBind->stop();
    tmrStatus->stop();
    btnCombo_Cmd_Soft_Bind_SW->setText(Term(TermId::ConnectCaption));
    showConnectionPicture(imgNoneDev);
    link_->line = ReceiverLinkState::Line::Attached;
    showLinkLine();
    edtVID->clear();
    edtPID->clear();
    edtVID_SET->clear();
    edtPID_SET->clear();
    rbKB->setEnabled(true);
    rbMSE->setEnabled(true);
    // No setting shows until the read-back has read it.
    settings_->binder.setEnabled(true);
    settings_->binder.clear(false);
    resetTestModeControls(true);
    resetMouseChannelGrids();
    resetIdentityControls(true);
    btnCombo_Cmd_Soft_Bind_SW->setEnabled(true);
    const CommandChannel::Sequence run(Channel());
    link_->attachPending = run.refused();
    if (link_->attachPending) {
        tellLockFailure();
        tmrStatus->start();  // its tick tries again
        return;
    }
    rbC_RF_LEAVE_ACCESSClick(rbC_RF_LEAVE_ACCESS);
    Channel().wait(50);

    THidDevice* receiver = Channel().receiver();
    if (!run.live() || !receiver)
        return;  // gone or replaced while the commands above let events run
    trayBattery->noteReceiver(receiver->PnPInfo().DevicePath);
    const quint16 vendorId = receiver->VendorID();
    const quint16 productId = receiver->ProductID();
    edtVID->setText(QString::asprintf("%.4X", unsigned(vendorId)));
    edtPID->setText(QString::asprintf("%.4X", unsigned(productId)));
    if (readLinkStatusAtAttach()) {
        readBatteryAtAttach();
        for (const quint8 word : EepromWord::kAttachReset)
            EepromWriteWord(word, EepromWord::kAttachResetValue);
        btnUpdateCustKeyClick(btnUpdateCustKey);
    }
    showKeyboardRow(vendorId, productId);
    // The battery read before the keyboard's row was known: the tray's tooltip gets both now,
    // not at the next tick (ten seconds away while no window shows).
    if (status_->tickBattery && run.live())
        showBattery(*status_->tickBattery);
}

bool TForm1::readLinkStatusAtAttach()
{
    CommandChannel::Report reply{};
    if (!Channel().statusRead(CommandChannel::request({Cmd::kLinkStatus}), reply, false))
        return false;
    // A reply whose channel is out of range holds no IDs: pairing would compare against garbage.
    const std::optional<LinkStatus> status = DecodeLinkStatus(reply);
    if (!status)
        return false;
    link_->receiver.PreMseID = status->mouseId;
    link_->receiver.PreKbdID = status->keyboardId;
    showConnectionPicture(imgConnected);
    rbMSEClick(rbMSE);
    return true;
}

void TForm1::readBatteryAtAttach()
{
    CommandChannel::Report reply{};
    if (!Channel().statusRead(CommandChannel::request({Cmd::kBattery}), reply, false))
        return;
    pbKbdBattery->setMax(double(reply[0] >> 4) - 1);
    pbMseBattery->setMax(7);
    btnBatteryClick(btnBattery);
    if (cpiOnShow())
        btnCPIClick(btnCPI);
    btnGetCustKeyClick(btnGetCustKey);
    link_->receiver.PrevBindingStatusBB = false;
    tmrStatus->start();
}

void TForm1::showKeyboardRow(quint16 vendorId, quint16 productId)
{
    if (const ProductRecord* record = FindProduct(link_->productTable, vendorId, productId))
        showBatteryRows(record->Combo);
}

void TForm1::showBatteryRows(bool keyboard)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{imgKBD, imgKbdBty, pbKbdBattery, shpBty})
        control->setVisible(keyboard);
    imgMSE->move(imgMSE->x(), keyboard ? 17 : 33);
    imgMseBty->move(imgMseBty->x(), keyboard ? 16 : 32);
    pbMseBattery->move(pbMseBattery->x(), keyboard ? 20 : 36);
}

void TForm1::showLinkLine()
{
    using Line = ReceiverLinkState::Line;
    QString text;
    QString tip;
    switch (link_->line) {
    case Line::Attached: text = Localized(ConnectionText::kConnected); break;
    case Line::NoReceiver: text = Localized(ConnectionText::kNoReceiver); break;
    case Line::NotAccessible:
        text = Localized(PermissionText::kTitle);
        tip = Localized(ConnectionText::kSeeNotice);
        break;
    case Line::Pairing:
        text = Localized(ConnectionText::kPairingHint).arg(link_->pairingSecondsLeft);
        break;
    case Line::RemovedWhilePairing: text = Localized(ConnectionText::kRemovedWhilePairing); break;
    }
    lblLinkState->setText(text);
    lblLinkState->setToolTip(tip.isEmpty() ? text : tip);
    imgNoneDev->setToolTip(tip.isEmpty() ? text : tip);
    imgNoneDev->setAccessibleName(text);
}

void TForm1::showBatteryTips()
{
    const ReceiverLinkState::TipInputs inputs{int(pbMseBattery->Value()), int(pbMseBattery->Max()),
                                              int(pbKbdBattery->Value()), int(pbKbdBattery->Max()),
                                              CurrentLanguage};
    if (link_->tipsShownFor == inputs)
        return;
    link_->tipsShownFor = inputs;
    const auto showTip = [](const LocalText& what, TProgBar* gauge) {
        const int level = int(gauge->Value());
        const int full = int(gauge->Max());
        gauge->setToolTip(Localized(what).arg(level).arg(full).arg(BatteryPercent(level, full)));
    };
    showTip(ConnectionText::kMouseBattery, pbMseBattery);
    showTip(ConnectionText::kKeyboardBattery, pbKbdBattery);
}

void TForm1::ShowNoReceiver()
{
    link_->attachPending = false;
    trayBattery->showNoLevel();
    status_->keyboardSerial.reset();
    tmrSoftBind->stop();
    tmrStatus->stop();
    showConnectionPicture(imgNoneDev);
    edtVID->clear();
    edtPID->clear();
    settings_->binder.setEnabled(false);
    settings_->binder.clear(true);
    btnCombo_Cmd_Soft_Bind_SW->setEnabled(false);
    btnCombo_Cmd_Soft_Bind_SW->setText(Term(TermId::ConnectCaption));
    pbMseBattery->setValue(0);
    pbKbdBattery->setValue(0);
    edtCPI->clear();
    if (areasBuilt_)
        resetEngineeringAreas(false);
    showBatteryRows(false);
    showBatteryTips();
    const bool denied = std::any_of(
        link_->inaccessibleNodes.begin(), link_->inaccessibleNodes.end(),
        [this](const HidNodeInfo& node) { return HidDeviceController1->Denied(node.instanceId); });
    link_->line =
        denied ? ReceiverLinkState::Line::NotAccessible : ReceiverLinkState::Line::NoReceiver;
    showLinkLine();
}

void TForm1::resetEngineeringAreas(bool receiverAttached)
{
    rbKB->setEnabled(receiverAttached);
    rbMSE->setEnabled(receiverAttached);
    settings_->binder.setEnabled(receiverAttached);
    resetTestModeControls(receiverAttached);
    resetMouseChannelGrids();
    resetIdentityControls(receiverAttached);
}
