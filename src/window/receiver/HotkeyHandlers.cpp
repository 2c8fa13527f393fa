// The two programmable hotkeys: their lists, storing a choice and reading the stored ones back.
#include "window/receiver/HotkeyHandlers.h"

#include "protocol/device/ReentryGuard.h"
#include "protocol/receiver/CustomKeys.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"
#include "window/device/ReceiverAttachHandlers.h"
#include "window/i18n/HotkeyTexts.h"
#include "window/receiver/StatusTickHold.h"

#include <QComboBox>

void TForm1::FillCustKeyLists()
{
    cbCustKey1->clear();
    cbCustKey2->clear();
    for (const CustomKey& key : kCustomKeys)
        cbCustKey1->addItem(QString::fromLatin1(key.caption), int(key.code));
    hotkeys_->homeEntryIndex =
        cbCustKey1->findText(QString::fromLatin1(kHotkey1Default), Qt::MatchExactly);
    hotkeys_->mailEntryIndex =
        cbCustKey1->findText(QString::fromLatin1(kHotkey2Default), Qt::MatchExactly);
    for (int i = 0; i < cbCustKey1->count(); ++i)
        cbCustKey2->addItem(cbCustKey1->itemText(i), cbCustKey1->itemData(i));
    // Nothing is chosen until the receiver has been read or the user picks an entry.
    cbCustKey1->setCurrentIndex(-1);
    cbCustKey2->setCurrentIndex(-1);
}

void TForm1::cbCustKey1Change(QObject*)
{
    StoreHotkeyChoices(0);
}

void TForm1::cbCustKey2Change(QObject*)
{
    StoreHotkeyChoices(1);
}

QComboBox* TForm1::HotkeyList(int hotkey) const
{
    return hotkey == 0 ? cbCustKey1 : cbCustKey2;
}

void TForm1::StoreHotkeyChoices(int hotkey)
{
    if (link_->receiver.ReadBackInProgress)
        return;  // the read-back is showing stored entries, not the user choosing them
    hotkeys_->pendingChoices |= 1u << hotkey;
    const ReentryGuard guard(hotkeys_->storing);
    if (!guard.entered())
        return;  // chosen while a store lets events run: it is stored when that one ends
    const StatusTickHold hold(tmrStatus, DeviceLock());
    while (hotkeys_->pendingChoices != 0) {
        const int next = (hotkeys_->pendingChoices & 1u) ? 0 : 1;
        hotkeys_->pendingChoices &= ~(1u << next);
        StoreHotkey(next);
    }
}

void TForm1::StoreHotkey(int hotkey)
{
    QComboBox* list = HotkeyList(hotkey);
    if (list->currentIndex() < 0 || !Receiver())
        return;
    const quint16 code = quint16(list->currentData().toInt());
    if (Hotkeys::Store(Channel(), hotkey, code))
        return;
    // Not taken into use. The list must not claim a choice the receiver does not hold: show
    // what it does hold (or the default, as after attach, when that is not a known entry).
    Services().prompts->ShowMessage(this, Localized(HotkeyTexts::kNotStored).arg(hotkey + 1));
    list->setCurrentIndex(-1);
    btnGetCustKeyClick(btnGetCustKey);
}

void TForm1::btnUpdateCustKeyClick(QObject*)
{
    Hotkeys::Update(Channel());
}

void TForm1::btnGetCustKeyClick(QObject*)
{
    if (!Receiver())
        return;
    const CommandChannel::Sequence run(Channel());
    for (int hotkey = 0; hotkey < Hotkeys::kCount; ++hotkey) {
        const std::optional<quint16> code =
            Hotkeys::Read(Channel(), hotkey, [this](const QString& line) { Debug(line); });
        QComboBox* list = HotkeyList(hotkey);
        const int entry = code ? list->findData(int(*code)) : -1;
        if (entry >= 0)
            list->setCurrentIndex(entry);  // selecting from code stores nothing
    }
    if (!run.live())
        return;  // the receiver went while reading: the lists belong to the next one
    if (cbCustKey2->currentIndex() < 0)
        cbCustKey2->setCurrentIndex(hotkeys_->mailEntryIndex);
    if (cbCustKey1->currentIndex() < 0)
        cbCustKey1->setCurrentIndex(hotkeys_->homeEntryIndex);
}
