#include "sim/ReceiverModel.h"

#include <algorithm>

namespace {

constexpr quint8 kFirstRfCommand = 0x21;
constexpr quint8 kLastRfCommand = 0x2F;
constexpr quint8 kRfMarker = 0xAA;

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
    return command == 0x09 || command == 0x0A;
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
    r[7] = kAck;
    return r;
}

std::optional<ReceiverModel::Report> ReceiverModel::answer(const Report& r, qint64 nowMs)
{
    const quint8 command = r[1];
    if (command >= kFirstRfCommand && command <= kLastRfCommand) {
        if (r[2] != kRfMarker)
            return std::nullopt;
        const std::optional<quint8> value = mouse_.rf(command, r[3], r[4]);
        return value ? std::optional<Report>(data({*value})) : std::nullopt;
    }
    switch (command) {
    case 0x03: {
        const quint16 word = eeprom_.word(r[2]);
        return data({quint8(word >> 8), quint8(word & 0xFF)});
    }
    case 0x04: eeprom_.write(r[2], quint16(r[3] << 8 | r[4])); break;
    case 0x08: testModeCommand(r, nowMs); break;
    case 0x09: return data({channel_, mouseId_, keyboardId_});
    case 0x0A: return batteryReply(nowMs);
    case 0x0B: return data({0, quint8(mouse_.cpi() / 100)});
    case 0x0C: receiverAccess_ = true; break;
    case 0x0D: receiverAccess_ = false; break;
    case 0x0E:
        if (hasBytes(r, 0x55, 0xAA, 0xCC))
            ++porJumps_;
        break;
    case 0x14:
        if (r[2] == 0xFF && r[3] == 0xAA && r[4] >= 1 && r[4] <= 4)
            return specialCommand(r[4]);
        break;
    case 0x15:
        if (hasBytes(r, 0xBB, 0xA5, 0x5A))
            rssiEnabled_ = true;
        break;
    case 0x16:
        if (hasBytes(r, 0xBB, 0x3C, 0xC3))
            rssiEnabled_ = false;
        break;
    case 0x17:
        if (r[2] == 0x3C && r[3] == 0x5A && (r[4] == 1 || r[4] == 2))
            selectedDevice_ = r[4];
        break;
    default: break;
    }
    return std::nullopt;
}

void ReceiverModel::testModeCommand(const Report& r, qint64 nowMs)
{
    switch (r[2]) {
    case 0x00:
        if (r[3] == 1) {
            pairingSince_ = nowMs;
            ++pairingStarts_;
        }
        break;
    case 0x01: testMode_.on = true; break;
    case 0x02: testMode_.on = false; break;
    case 0x06: testMode_.txData = r[3]; break;
    case 0x0A: testMode_.frequency = r[3]; break;
    case 0x0B:
        ++hotkeyUpdates_;
        for (int i = 0; i < 4; ++i)
            hotkeysInUse_[size_t(i)] = eeprom_.word(quint8(3 + i));
        break;
    case 0x0C: testMode_.mode = r[3]; break;
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
    return mouse_.inReach() ? kBindingLinked : kBindingSearching;
}

ReceiverModel::Report ReceiverModel::specialCommand(quint8 selector)
{
    const Radio& g = radio_;
    switch (selector) {
    case 1:
        return data({g.rssiThreshold, mouse_.serialNumber(), keyboardPackets_.lowByte(),
                     g.currentChannelIdx, g.rssiChannelIdx, g.bindChannelIdx, g.goodChannelCount});
    case 2:
        return data({byteOf(g.mouseChannelMap, 0), byteOf(g.mouseChannelMap, 1),
                     byteOf(g.mouseChannelMap, 2), byteOf(g.mouseChannelMap, 3),
                     byteOf(g.keyboardChannelMap, 0), byteOf(g.keyboardChannelMap, 1),
                     byteOf(g.keyboardChannelMap, 2)});
    case 3:
        return data({byteOf(g.maskList, 0), byteOf(g.maskList, 1), byteOf(g.maskList, 2),
                     byteOf(g.maskList, 3), g.maskListTail[0], g.maskListTail[1],
                     g.maskListTail[2]});
    default:
        return data({byteOf(g.keyboardChannelMap, 3), bindingStatus(), g.statusTail[0],
                     g.statusTail[1], g.statusTail[2], g.statusTail[3], g.statusTail[4]});
    }
}
