#include "sim/ReceiverModel.h"

#include "protocol/device/Commands.h"
#include "protocol/device/SpecialCommands.h"

#include <algorithm>

namespace {

ReceiverModel::Report data(std::initializer_list<quint8> bytes)
{
    ReceiverModel::Report r{};
    std::copy_n(bytes.begin(), std::min<size_t>(bytes.size(), 7), r.begin());
    return r;
}

quint8 byteOf(quint32 map, int index)
{
    return quint8((map >> (8 * index)) & 0xFF);
}

bool hasBytes(const ReceiverModel::Report& r, quint8 b2, quint8 b3, quint8 b4)
{
    return r[2] == b2 && r[3] == b3 && r[4] == b4;
}

constexpr quint8 kMouseBatteryFull = 7;

// A battery level `steps` drift steps later: down by one each step, full again after empty.
quint8 drifted(quint8 level, quint8 full, qint64 steps)
{
    if (steps == 0)
        return level;
    const qint64 span = qint64(full) + 1;
    return quint8(((qint64(level) - steps) % span + span) % span);
}

// Status replies are kept ready by the receiver; the attach sequence reads them at once.
bool answeredAtOnce(quint8 command)
{
    return command == Cmd::kLinkStatus || command == Cmd::kBattery;
}

}  // namespace

ReceiverModel::ReceiverModel() = default;

void ReceiverModel::setBindingUnsettled(int queries, quint8 value)
{
    unsettledQueries_ = std::max(queries, 0);
    unsettledValue_ = value;
}

void ReceiverModel::advanceTo(qint64 nowMs)
{
    mouse_.advanceTo(nowMs);
    keyboardPackets_.advanceTo(nowMs, keyboardActive_);
    if (!pairingSince_ || pairing_.afterMs == kNever || nowMs < *pairingSince_ + pairing_.afterMs)
        return;
    pairingSince_.reset();
    quint8& id = pairing_.keyboard ? keyboardId_ : mouseId_;
    id = pairing_.newId != 0 ? pairing_.newId : quint8(id + 1);
    if (!pairing_.keyboard)
        mouse_.setInReach(true);
}

void ReceiverModel::receive(const quint8* report, int length, qint64 nowMs)
{
    Report request{};
    if (report && length > 0)
        std::copy_n(report, std::min<int>(length, int(request.size())), request.begin());
    advanceTo(nowMs);

    const bool repeated = pending_ && request == lastRequest_ && nowMs < readyAtMs_;
    lastRequest_ = request;
    pending_ = answer(request, nowMs);
    if (!repeated)
        readyAtMs_ = answeredAtOnce(request[1]) ? nowMs : nowMs + replyDelayMs_;
}

ReceiverModel::Report ReceiverModel::reply(qint64 nowMs)
{
    advanceTo(nowMs);
    if (!pending_ || nowMs < readyAtMs_)
        return Report{};
    Report r = *pending_;
    r[7] = Cmd::kAck;
    return r;
}

std::optional<ReceiverModel::Report> ReceiverModel::answer(const Report& r, qint64 nowMs)
{
    const quint8 command = r[1];
    if (command >= Cmd::kRfFirst && command <= Cmd::kRfLast) {
        if (r[2] != Cmd::kRfMarker)
            return std::nullopt;
        const std::optional<quint8> value = mouse_.rf(command, r[3], r[4]);
        return value ? std::optional<Report>(data({*value})) : std::nullopt;
    }
    switch (command) {
    case Cmd::kEepromRead: {
        const quint16 word = eeprom_.word(r[2]);
        return data({quint8(word >> 8), quint8(word & 0xFF)});
    }
    case Cmd::kEepromWrite: eeprom_.write(r[2], quint16(r[3] << 8 | r[4])); break;
    case Cmd::kTest: testModeCommand(r, nowMs); break;
    case Cmd::kLinkStatus: return data({channel_, mouseId_, keyboardId_});
    case Cmd::kBattery: return batteryReply(nowMs);
    case Cmd::kCpi: return data({0, quint8(mouse_.cpi() / 100)});
    case Cmd::kEnterAccess: receiverAccess_ = true; break;
    case Cmd::kLeaveAccess: receiverAccess_ = false; break;
    case Cmd::kJumpToPor:
        if (hasBytes(r, Cmd::JumpToPor::kKey1, Cmd::JumpToPor::kKey2, Cmd::JumpToPor::kKey3))
            ++porJumps_;
        break;
    case Cmd::kSpecial:
        if (r[2] == Cmd::Special::kKey1 && r[3] == Cmd::Special::kKey2 &&
            r[4] >= Cmd::Special::kFirstSelector && r[4] <= Cmd::Special::kLastSelector)
            return specialCommand(r[4]);
        break;
    case Cmd::kEnableRssi:
        if (hasBytes(r, Cmd::EnableRssi::kKey1, Cmd::EnableRssi::kKey2, Cmd::EnableRssi::kKey3))
            rssiEnabled_ = true;
        break;
    case Cmd::kDisableRssi:
        if (hasBytes(r, Cmd::DisableRssi::kKey1, Cmd::DisableRssi::kKey2, Cmd::DisableRssi::kKey3))
            rssiEnabled_ = false;
        break;
    case Cmd::kSelectDevice:
        if (r[2] == Cmd::SelectDevice::kKey1 && r[3] == Cmd::SelectDevice::kKey2 &&
            (r[4] == Cmd::SelectDevice::kMouse || r[4] == Cmd::SelectDevice::kKeyboard))
            selectedDevice_ = r[4];
        break;
    default: break;
    }
    return std::nullopt;
}

void ReceiverModel::testModeCommand(const Report& r, qint64 nowMs)
{
    switch (r[2]) {
    case Cmd::Test::kStartSoftBind:
        if (r[3] == Cmd::Test::kSoftBindGo) {
            pairingSince_ = nowMs;
            ++pairingStarts_;
        }
        break;
    case Cmd::Test::kOn: testMode_.on = true; break;
    case Cmd::Test::kOff: testMode_.on = false; break;
    case Cmd::Test::kTxData: testMode_.txData = r[3]; break;
    case Cmd::Test::kFrequency: testMode_.frequency = r[3]; break;
    case Cmd::Test::kUpdateCustomKeys:
        ++hotkeyUpdates_;
        for (int i = 0; i < 4; ++i)
            hotkeysInUse_[size_t(i)] = eeprom_.word(quint8(3 + i));
        break;
    case Cmd::Test::kSetMode: testMode_.mode = r[3]; break;
    default: break;
    }
}

ReceiverModel::Report ReceiverModel::batteryReply(qint64 nowMs) const
{
    const Battery& b = battery_;
    const qint64 steps = b.driftPeriodMs > 0 ? nowMs / b.driftPeriodMs : 0;
    const quint8 keyboardFull = b.keyboardRangePlusOne > 0 ? quint8(b.keyboardRangePlusOne - 1) : 0;
    const quint8 keyboard = drifted(b.keyboardLevel, keyboardFull, steps);
    const quint8 mouse = drifted(b.mouseLevel, kMouseBatteryFull, steps);
    return data({quint8((b.keyboardRangePlusOne << 4) | (b.validity & 0x0F)),
                 quint8((keyboard << 4) | (mouse & 0x0F))});
}

quint8 ReceiverModel::bindingStatus()
{
    if (unsettledQueries_ > 0) {
        --unsettledQueries_;
        return unsettledValue_;
    }
    return mouse_.inReach() ? BindingStatus::kLinked : BindingStatus::kSearching;
}

ReceiverModel::Report ReceiverModel::specialCommand(quint8 selector)
{
    const Radio& g = radio_;
    switch (selector) {
    case Cmd::Special::kRadio:
        return data({g.rssiThreshold, mouse_.serialNumber(), keyboardPackets_.lowByte(),
                     g.currentChannelIdx, g.rssiChannelIdx, g.bindChannelIdx, g.goodChannelCount});
    case Cmd::Special::kHoppingMaps:
        return data({byteOf(g.mouseChannelMap, 0), byteOf(g.mouseChannelMap, 1),
                     byteOf(g.mouseChannelMap, 2), byteOf(g.mouseChannelMap, 3),
                     byteOf(g.keyboardChannelMap, 0), byteOf(g.keyboardChannelMap, 1),
                     byteOf(g.keyboardChannelMap, 2)});
    case Cmd::Special::kMaskList:
        return data({byteOf(g.maskList, 0), byteOf(g.maskList, 1), byteOf(g.maskList, 2),
                     byteOf(g.maskList, 3), g.maskListTail[0], g.maskListTail[1],
                     g.maskListTail[2]});
    default:
        return data({byteOf(g.keyboardChannelMap, 3), bindingStatus(), g.statusTail[0],
                     g.statusTail[1], g.statusTail[2], g.statusTail[3], g.statusTail[4]});
    }
}
