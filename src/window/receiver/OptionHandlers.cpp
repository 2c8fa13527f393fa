// The mouse's options: the radio buttons, the battery-low list and the direct register writes.
#include "window/receiver/OptionHandlers.h"

#include "protocol/i18n/Lang.h"
#include "window/app/MainWindow.h"
#include "window/app/UserPrompts.h"
#include "window/device/ReceiverAttachHandlers.h"

#include <QComboBox>
#include <QMutexLocker>
#include <QRadioButton>

namespace {

int CheckedIndex(const std::vector<QRadioButton*>& buttons)
{
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            return int(i);
    return -1;
}

}  // namespace

void TForm1::rbRF_DR_15Click(QObject*)
{
    OptionChosen(OptionGroup::LrCpiSwitch);
}
void TForm1::rbRF_DR_1AClick(QObject*)
{
    OptionChosen(OptionGroup::LrCpiSwitch);
}
void TForm1::rbRF_DR_25Click(QObject*)
{
    OptionChosen(OptionGroup::Wakeup);
}
void TForm1::rbRF_DR_2AClick(QObject*)
{
    OptionChosen(OptionGroup::Wakeup);
}
void TForm1::rbRF_DR_45Click(QObject*)
{
    OptionChosen(OptionGroup::PowerSaving);
}
void TForm1::rbRF_DR_4AClick(QObject*)
{
    OptionChosen(OptionGroup::PowerSaving);
}
void TForm1::rbRF_DR_4FClick(QObject*)
{
    OptionChosen(OptionGroup::PowerSaving);
}
void TForm1::rbRF_CPI_HClick(QObject*)
{
    OptionChosen(OptionGroup::Cpi);
}
void TForm1::rbRF_CPI_LClick(QObject*)
{
    OptionChosen(OptionGroup::Cpi);
}
void TForm1::cbRF_Set_BTY_Low_LevelChange(QObject*)
{
    OptionChosen(OptionGroup::BatteryLow);
}
void TForm1::rbRF_DR_5AClick(QObject*)
{
    AutoConnectChosen(true);
}
void TForm1::rbRF_DR_55Click(QObject*)
{
    AutoConnectChosen(false);
}

void TForm1::btnRF_DR_15Click(QObject*)
{
    WriteOptionRegister(OptionCode::kLrCpiEnable);
}
void TForm1::btnRF_DR_1AClick(QObject*)
{
    WriteOptionRegister(OptionCode::kLrCpiDisable);
}
void TForm1::btnRF_DR_25Click(QObject*)
{
    WriteOptionRegister(OptionCode::kWakeupMotionAndButton);
}
void TForm1::btnRF_DR_2AClick(QObject*)
{
    WriteOptionRegister(OptionCode::kWakeupButtonOnly);
}
void TForm1::btnRF_DR_45Click(QObject*)
{
    WriteOptionRegister(OptionCode::kPowerSavingOff);
}
void TForm1::btnRF_DR_4AClick(QObject*)
{
    WriteOptionRegister(OptionCode::kPowerSavingButtonWakeup);
}
void TForm1::btnRF_DR_4FClick(QObject*)
{
    WriteOptionRegister(OptionCode::kPowerSavingOn);
}
void TForm1::btnRF_DR_55Click(QObject*)
{
    WriteOptionRegister(OptionCode::kAutoConnectOff);
}
void TForm1::btnRF_DR_5AClick(QObject*)
{
    WriteOptionRegister(OptionCode::kAutoConnectOn);
}

void TForm1::WriteOptionRegister(quint8 code)
{
    edtRF_DirectRegAddr->setValue(OptionCode::kRegister);
    edtRF_DirectRegData->setValue(code);
    btnC_RF_Wrt_Direct_RegClick(btnC_RF_Wrt_Direct_Reg);
}

void TForm1::OptionChosen(OptionGroup group)
{
    ChoiceHistory& history = options_->history[size_t(GroupIndex(group))];
    // A click on the choice on show changes nothing; while the read-back selects controls,
    // showing a stored setting must not write it back.
    if (!history.takeChange() || link_->receiver.ReadBackInProgress)
        return;
    const int before = history.previous();
    // A change started inside another sequence's exchanges leaves the timer to that sequence,
    // which arms it itself; on its own it arms the timer at its end, as the hotkey store does.
    const bool insideAnother = Channel().insideRun();
    const bool statusWasArmed = tmrStatus->isActive();
    tmrStatus->stop();
    OptionChange::Result result;
    {
        const QMutexLocker<QRecursiveMutex> lock(DeviceLock());
        OptionChange change(Channel(), options_->writes);
        change.setDebugLog([this](const QString& line) { Debug(line); });
        // The change follows the group's selection, which a change started meanwhile may move.
        result = change.Run(group, [this, group] { return ShownChoice(group); });
    }
    if (result.outcome == OptionChange::Outcome::ReceiverGone)
        return;  // the device change has reset the window and the timer
    if (group == OptionGroup::Cpi)
        link_->receiver.CpiChanged = true;
    if (!insideAnother || statusWasArmed)
        tmrStatus->start();
    if (result.outcome == OptionChange::Outcome::NotTaken) {
        ShowChoice(group, result.answered.value_or(before));
        if (services_.prompts)
            services_.prompts->ShowMessage(this, Term(TermId::OptionNotTaken));
    }
}

void TForm1::AutoConnectChosen(bool enable)
{
    if (!options_->autoConnect.takeChange() || link_->receiver.ReadBackInProgress)
        return;
    OptionChange(Channel(), options_->writes).SendAutoConnect(enable);
}

std::vector<QRadioButton*> TForm1::OptionButtons(OptionGroup group) const
{
    switch (group) {
    case OptionGroup::LrCpiSwitch: return {rbRF_DR_15, rbRF_DR_1A};
    case OptionGroup::Cpi: return {rbRF_CPI_H, rbRF_CPI_L};
    case OptionGroup::PowerSaving: return {rbRF_DR_45, rbRF_DR_4A, rbRF_DR_4F};
    case OptionGroup::Wakeup: return {rbRF_DR_25, rbRF_DR_2A};
    case OptionGroup::BatteryLow: break;
    }
    return {};
}

int TForm1::ShownChoice(OptionGroup group) const
{
    if (group == OptionGroup::BatteryLow)
        return cbRF_Set_BTY_Low_Level->currentIndex();
    return CheckedIndex(OptionButtons(group));
}

void TForm1::ShowChoice(OptionGroup group, int choice)
{
    if (group == OptionGroup::BatteryLow) {
        cbRF_Set_BTY_Low_Level->setCurrentIndex(choice);
    } else {
        const std::vector<QRadioButton*> buttons = OptionButtons(group);
        if (choice >= 0 && choice < int(buttons.size())) {
            buttons[size_t(choice)]->setChecked(true);  // its handler does not run
        } else {
            for (QRadioButton* button : buttons)
                SetChecked(button, false);
        }
    }
    options_->history[size_t(GroupIndex(group))].settle();
}

void TForm1::TrackChoices(const std::vector<QRadioButton*>& buttons, ChoiceHistory& history)
{
    for (size_t i = 0; i < buttons.size(); ++i) {
        connect(buttons[i], &QAbstractButton::toggled, this, [buttons, &history, i](bool on) {
            // A button that loses its selection to another tells it first, when the other is
            // already checked.
            if (on)
                history.selected(int(i));
            else
                history.unselected(int(i), CheckedIndex(buttons));
        });
    }
}

void TForm1::TrackAutoConnectSelection()
{
    TrackChoices({rbRF_DR_5A, rbRF_DR_55}, options_->autoConnect);
}

void TForm1::TrackOptionSelections()
{
    OptionChange::Writes& writes = options_->writes;
    writes.optionCode = [this](quint8 code) { WriteOptionRegister(code); };
    writes.cpiSetup = [this](quint8 value) {
        edtC_RF_SETUP_CPI->setValue(value);
        btnC_RF_SETUP_CPIClick(btnC_RF_SETUP_CPI);
    };
    writes.indexRegister = [this](quint8 address, quint8 value) {
        edtRF_IndexRegAddr->setValue(address);
        edtRF_IndexRegData->setValue(value);
        btnC_RF_Wrt_Index_RegClick(btnC_RF_Wrt_Index_Reg);
    };
    for (int group = 0; group < kOptionGroupCount; ++group)
        TrackChoices(OptionButtons(OptionGroup(group)), options_->history[size_t(group)]);
    ChoiceHistory& batteryLow = options_->history[size_t(GroupIndex(OptionGroup::BatteryLow))];
    connect(cbRF_Set_BTY_Low_Level, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [&batteryLow](int index) { batteryLow.selected(index); });
}
