#include "protocol/receiver/StatusReadouts.h"

#include "protocol/device/Commands.h"
#include "protocol/device/ReentryGuard.h"
#include "protocol/device/RfAccess.h"
#include "protocol/receiver/BatteryAlert.h"
#include "protocol/receiver/SettingsTable.h"

#include <algorithm>

namespace {

constexpr quint8 kSensorProbeAddress = 0x00;

}  // namespace

std::optional<BatteryLevels> DecodeBattery(const CommandChannel::Report& reply)
{
    const int validity = reply[0] & 0x0F;
    if (validity != 4 && validity != 8)
        return std::nullopt;
    return BatteryLevels{reply[1] >> 4, reply[1] & 0x0F, std::max(0, (reply[0] >> 4) - 1)};
}

int BatteryPercent(int level, int full)
{
    if (full <= 0)
        return 0;
    return (qBound(0, level, full) * 100 + full / 2) / full;
}

BatteryBand MouseBatteryBand(int level)
{
    if (level >= 5 && level <= 7)
        return BatteryBand::Good;
    if (level >= 2 && level <= 4)
        return BatteryBand::Low;
    return BatteryBand::Critical;
}

std::optional<BatteryBand> KeyboardBatteryBand(int level, int full)
{
    if (full <= 0)
        return std::nullopt;
    if (level < 0 || level > full || AtLowestStep(level, full))
        return BatteryBand::Critical;
    return level * BatteryLevels::kMouseFull >= 5 * full ? BatteryBand::Good : BatteryBand::Low;
}

std::optional<int> DecodeCpi(const CommandChannel::Report& reply)
{
    if (reply[0] != 0)
        return std::nullopt;
    switch (reply[1]) {
    case 5:
    case 8:
    case 10:
    case 16: return reply[1];
    default: return std::nullopt;
    }
}

int CpiChoice(int hundreds)
{
    return ChoiceForStored(FirstSettingOf(SettingKind::MouseCpi), CpiIsHigh(hundreds) ? 1 : 0);
}

std::optional<int> CpiChoiceToShow(int hundreds, int shown, bool readBackInProgress)
{
    const int choice = CpiChoice(hundreds);
    if ((shown < 0 && !readBackInProgress) || shown == choice)
        return std::nullopt;
    return choice;
}

BindingStep NextBindingStep(bool prevBindingStatusBB, bool settingsRead,
                            std::optional<quint8> bindingStatus)
{
    const bool searching = bindingStatus == BindingStatus::kSearching;
    const bool leftSearching = prevBindingStatusBB && bindingStatus && !searching;
    if (leftSearching || !settingsRead)
        return {true, false};
    // A failed run says nothing about the status: keep what the last one said.
    return {false, bindingStatus ? searching : prevBindingStatusBB};
}

std::optional<BatteryLevels> StatusReadouts::readBattery()
{
    CommandChannel::Report reply{};
    channel_.polledRead(CommandChannel::request({Cmd::kBattery}), reply);
    return DecodeBattery(reply);
}

std::optional<int> StatusReadouts::readCpi()
{
    CommandChannel::Report reply{};
    channel_.polledRead(CommandChannel::request({Cmd::kCpi}), reply);
    return DecodeCpi(reply);
}

std::optional<quint8> StatusReadouts::MouseSerial(MouseLinkCheck& check)
{
    const std::optional<SpecialReply> reply = special_.Run(Cmd::Special::kRadio);
    if (!reply)
        return std::nullopt;
    check.lastReply = reply;
    return reply->bytes[1];
}

std::optional<bool> StatusReadouts::serialMoves(MouseLinkCheck& check)
{
    const std::optional<quint8> first = MouseSerial(check);
    if (!first)
        return std::nullopt;
    channel_.wait(kSerialGapMs);
    const std::optional<quint8> second = MouseSerial(check);
    if (!second)
        return std::nullopt;
    return *second != *first;
}

MouseLinkCheck StatusReadouts::checkMouseLink()
{
    MouseLinkCheck check;
    const ReentryGuard guard(checking_);
    const CommandChannel::Sequence run(channel_);
    if (!guard.entered() || !run.live())
        return check;
    const std::optional<bool> moved = serialMoves(check);
    if (!moved || *moved || !run.live()) {
        check.linked = moved.value_or(false);
        return check;  // a failed run proves nothing, and needs no traffic provoked
    }
    rf_.EnterAccess(false);
    channel_.wait(kAccessSettleMs);
    check.sensorData = rf_.Read(RfSpace::Sensor, kSensorProbeAddress);
    check.linked = serialMoves(check).value_or(false);
    // The mouse must not stay in access mode, whatever the runs gave.
    rf_.LeaveAccess();
    channel_.wait(kAccessSettleMs);
    return check;
}
