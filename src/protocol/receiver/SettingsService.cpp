#include "protocol/receiver/SettingsService.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/RfAccess.h"
#include "protocol/device/SpecialCommands.h"
#include "protocol/receiver/CustomKeys.h"
#include "protocol/receiver/ReceiverState.h"
#include "protocol/receiver/StatusReadouts.h"
#include "protocol/receiver/StatusTickHold.h"

SettingsService::SettingsService(CommandChannel& channel, ReceiverState& state)
    : channel_(channel), state_(state)
{}

bool SettingsService::mouseHeard()
{
    SpecialCommands special(channel_);
    RfAccess rf(channel_);
    return StatusReadouts(channel_, special, rf).checkMouseLink().linked;
}

SettingsService::Written SettingsService::write(const SettingRow& row,
                                                const std::function<int()>& wanted)
{
    if (row.kind == SettingKind::MouseSendOnly) {
        // Sent once and kept by nobody: it neither holds the status tick nor the device lock.
        OptionChange(channel_, writes_).sendOnly(row, wanted());
        return {channel_.usable() ? Outcome::Taken : Outcome::ReceiverGone};
    }
    Written written;
    {
        const StatusTickHold hold(hold_.statusTimer, hold_.deviceLock, channel_);
        written = row.kind == SettingKind::Hotkey ? storeHotkey(row, wanted())
                                                  : writeOnMouse(row, wanted);
    }
    if (row.kind == SettingKind::MouseCpi && written.outcome != Outcome::MouseSilent &&
        written.outcome != Outcome::ReceiverGone)
        state_.CpiChanged = true;  // the next CPI read-out first renews the link
    return written;
}

SettingsService::Written SettingsService::writeOnMouse(const SettingRow& row,
                                                       const std::function<int()>& wanted)
{
    if (mouseCheckedFirst_ && !mouseHeard())
        return {channel_.usable() ? Outcome::MouseSilent : Outcome::ReceiverGone};
    OptionChange change(channel_, writes_);
    change.setDebugLog(log_);
    return change.run(row, wanted);
}

SettingsService::Written SettingsService::storeHotkey(const SettingRow& row, int choice)
{
    if (choice < 0 || choice >= int(row.choices.size()))
        return {Outcome::Withdrawn};
    const bool stored = Hotkeys::Store(channel_, row.address, row.choices[size_t(choice)].code);
    return {stored ? Outcome::Taken : Outcome::NotTaken};
}

void SettingsService::readHotkeys(Readings& readings)
{
    for (const SettingRow& row : SettingsTable()) {
        if (row.kind != SettingKind::Hotkey)
            continue;
        Reading& reading = readings.rows[size_t(SettingIndex(row))];
        reading.keyCode = Hotkeys::Read(channel_, row.address, log_);
        if (reading.keyCode)
            reading.choice = ChoiceWithCode(row, *reading.keyCode);
    }
}

SettingsService::Readings SettingsService::read(const SettingRow* only,
                                                SettingsReadBack::Hooks hooks)
{
    Readings readings;
    readings.rows.resize(SettingsTable().size());
    const CommandChannel::Sequence run(channel_);
    readings.refused = run.refused();
    const bool hotkeysOnly = only && only->kind == SettingKind::Hotkey;
    if (!readings.refused && !hooks.readHotkeys && (!only || hotkeysOnly))
        readHotkeys(readings);
    const bool mouseAsked = !readings.refused && !hotkeysOnly;
    readings.mouseSilent = mouseAsked && mouseCheckedFirst_ && !mouseHeard();
    if (mouseAsked && !readings.mouseSilent)
        readings.readBack = readBack(readings, std::move(hooks));
    readings.receiverGone = !readings.refused && !run.live();
    return readings;
}

SettingsReadBack::Result SettingsService::readBack(Readings& readings,
                                                   SettingsReadBack::Hooks hooks)
{
    const auto show = hooks.show;
    hooks.show = [&readings, show](const SettingRow& row, int choice) {
        readings.rows[size_t(SettingIndex(row))].choice = choice;
        if (show)
            show(row, choice);
    };
    if (!hooks.readHotkeys)
        hooks.readHotkeys = [] {};
    if (!hooks.readCpi) {
        hooks.readCpi = [this, show = hooks.show] {
            SpecialCommands special(channel_);
            RfAccess rf(channel_);
            const std::optional<int> cpi = StatusReadouts(channel_, special, rf).readCpi();
            if (cpi)
                show(FirstSettingOf(SettingKind::MouseCpi), CpiChoice(*cpi));
            return cpi.has_value();
        };
    }
    if (!hooks.debug)
        hooks.debug = log_;
    return SettingsReadBack(channel_).run(hooks);
}
