// The user's settings: a choice on a bound control is written to the device and verified,
// through the settings service; the option register writes go through the direct register
// boxes, which then show the last operands.
#include "window/receiver/SettingsHandlers.h"

#include "protocol/device/ReentryGuard.h"
#include "protocol/i18n/Lang.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"
#include "window/device/ReceiverAttachHandlers.h"
#include "window/i18n/HotkeyTexts.h"

#include <QComboBox>

namespace {

// A hotkey's number as its messages give it: 1 for the first hotkey row.
int HotkeyNumber(const SettingRow& row)
{
    int number = 0;
    for (const SettingRow& other : SettingsTable()) {
        number += other.kind == SettingKind::Hotkey;
        if (&other == &row)
            break;
    }
    return number;
}

}  // namespace

void TForm1::bindSettings()
{
    SettingsService& service = settings_->service;
    service.setDebugLog([this](const QString& line) { Debug(line); });
    OptionChange::Writes writes;
    writes.optionCode = [this](quint8 code) { writeOptionRegister(code); };
    writes.cpiSetup = [this](quint8 value) {
        edtC_RF_SETUP_CPI->setValue(value);
        btnC_RF_SETUP_CPIClick(btnC_RF_SETUP_CPI);
    };
    writes.indexRegister = [this](quint8 address, quint8 value) {
        edtRF_IndexRegAddr->setValue(address);
        edtRF_IndexRegData->setValue(value);
        btnC_RF_Wrt_Index_RegClick(btnC_RF_Wrt_Index_Reg);
    };
    service.setWrites(writes);
    settings_->binder.bind(
        [this](QAbstractButton* button) { bindClick(button, &TForm1::settingChosen); },
        [this](QComboBox* list) { bindChange(list, &TForm1::settingChosen); });
}

void TForm1::writeOptionRegister(quint8 code)
{
    edtRF_DirectRegAddr->setValue(0xFF);
    edtRF_DirectRegData->setValue(code);
    btnC_RF_Wrt_Direct_RegClick(btnC_RF_Wrt_Direct_Reg);
}

void TForm1::settingChosen(QObject* control)
{
    const SettingRow* row = settings_->binder.rowOf(control);
    if (!row)
        return;
    // A click on the choice on show changes nothing; while the read-back selects controls,
    // showing a stored setting must not write it back.
    const bool changed = settings_->binder.history(*row).takeChange();
    if (link_->receiver.ReadBackInProgress)
        return;
    if (row->kind == SettingKind::Hotkey)
        storeHotkeyChoices(*row);
    else if (changed)
        writeSetting(*row);
}

void TForm1::writeSetting(const SettingRow& row)
{
    SettingsBinder& binder = settings_->binder;
    const int before = binder.history(row).previous();
    settings_->service.setTickHold({tmrStatus, DeviceLock()});
    // The write follows the row's selection, which a change started meanwhile may move.
    const SettingsService::Written written =
        settings_->service.write(row, [&binder, &row] { return binder.shown(row); });
    if (written.outcome != SettingsService::Outcome::NotTaken)
        return;
    binder.show(row, written.answered.value_or(before));
    if (services_.prompts)
        services_.prompts->showMessage(this, Term(TermId::OptionNotTaken));
}

void TForm1::storeHotkeyChoices(const SettingRow& row)
{
    std::vector<bool>& pending = settings_->pendingStores;
    pending[size_t(SettingIndex(row))] = true;
    const ReentryGuard guard(settings_->storing);
    if (!guard.entered())
        return;  // chosen while a store lets events run: it is stored when that one ends
    for (bool stored = true; stored;) {
        stored = false;
        for (const SettingRow& next : SettingsTable()) {
            if (!pending[size_t(SettingIndex(next))])
                continue;
            pending[size_t(SettingIndex(next))] = false;
            storeHotkey(next);
            stored = true;
            break;
        }
    }
}

void TForm1::storeHotkey(const SettingRow& row)
{
    SettingsBinder& binder = settings_->binder;
    if (binder.shown(row) < 0 || !Receiver())
        return;
    settings_->service.setTickHold({tmrStatus, DeviceLock()});
    const int choice = binder.shown(row);
    if (settings_->service.write(row, [choice] { return choice; }).outcome ==
        SettingsService::Outcome::Taken)
        return;
    // Not taken into use. The list must not claim a choice the receiver does not hold: show
    // what it does hold (or the default, as after attach, when that is not a known entry).
    Services().prompts->showMessage(this,
                                    Localized(HotkeyTexts::kNotStored).arg(HotkeyNumber(row)));
    binder.show(row, -1);
    btnGetCustKeyClick(btnGetCustKey);
}
