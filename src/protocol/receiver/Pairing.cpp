#include "protocol/receiver/Pairing.h"

#include "protocol/device/Commands.h"

namespace {

constexpr quint8 kLowestChannel = 2;
constexpr quint8 kHighestChannel = 82;

}  // namespace

std::optional<LinkStatus> DecodeLinkStatus(const CommandChannel::Report& reply)
{
    if (reply[0] < kLowestChannel || reply[0] > kHighestChannel)
        return std::nullopt;
    return LinkStatus{reply[0], reply[1], reply[2]};
}

QString PairingStartLine(int tick, const LinkStatus& ids)
{
    return QString::asprintf("**%d--PreMseID-%x--PreKbdID-%x--channel-%d", tick,
                             unsigned(ids.mouseId), unsigned(ids.keyboardId), int(ids.channel));
}

QString PairingReadingLine(ReadingStage stage, int tick, const LinkStatus& reading)
{
    return QString::asprintf("*%d*%d--NowMseID-%x--NowKbdID-%x--channel-%d",
                             stage == ReadingStage::First ? 1 : 2, tick, unsigned(reading.mouseId),
                             unsigned(reading.keyboardId), int(reading.channel));
}

std::optional<LinkStatus> Pairing::readLinkStatus()
{
    if (!channel_.statusRead(CommandChannel::request({Cmd::kLinkStatus}), buffer_))
        return std::nullopt;
    return DecodeLinkStatus(buffer_);
}

std::optional<LinkStatus> Pairing::readStable(const ReadingSeen& onReading)
{
    const CommandChannel::Sequence run(channel_);
    for (int attempt = 1; attempt <= kStableAttempts && run.live(); ++attempt) {
        const std::optional<LinkStatus> first = readLinkStatus();
        if (!first)
            continue;
        if (onReading)
            onReading(ReadingStage::First, *first);
        channel_.wait(kReadingGapMs);
        const std::optional<LinkStatus> second = readLinkStatus();
        if (!second)
            continue;
        if (onReading)
            onReading(ReadingStage::Second, *second);
        if (second->mouseId == first->mouseId)
            return second;
    }
    return std::nullopt;
}

void Pairing::sendStart()
{
    // Bytes 5 to 7 stay as the last link status reply left them.
    CommandChannel::Report start = buffer_;
    const CommandChannel::Report head = CommandChannel::request(
        {Cmd::kTest, Cmd::Test::kStartSoftBind, Cmd::Test::kSoftBindGo, 0x00});
    for (size_t i = 0; i <= 4; ++i)
        start[i] = head[i];
    channel_.plainCommand(start);
}

std::optional<LinkStatus> Pairing::start()
{
    const CommandChannel::Sequence run(channel_);
    const std::optional<LinkStatus> held = readStable({});
    if (!held || !run.live())
        return std::nullopt;
    sendStart();
    return held;
}

bool Pairing::bindingSettles(const ReplySeen& onReply)
{
    const CommandChannel::Sequence run(channel_);
    for (int runs = 1; runs <= kBindingStatusRuns && run.live(); ++runs) {
        const std::optional<SpecialReply> reply = special_.Run(Cmd::Special::kBindingStatus);
        if (reply && onReply)
            onReply(*reply);
        // The last run only refreshes the boxes: the tick ends after it.
        if (runs < kBindingStatusRuns && reply && reply->bindingSettled)
            return true;
    }
    return false;
}

Pairing::TickResult Pairing::tick(int tick, const LinkStatus& held, const ReadingSeen& onReading,
                                  const ReplySeen& onReply)
{
    const CommandChannel::Sequence run(channel_);
    TickResult result;
    if (run.refused()) {
        // A tick kept off the receiver still counts: the pairing ends on time.
        result.outcome = tick >= kTimeoutTick ? Outcome::TimedOut : Outcome::Skipped;
        return result;
    }
    if (!run.live())
        return result;
    const std::optional<LinkStatus> now = readStable(onReading);
    if (!run.live())
        return result;
    if (!now) {
        result.outcome = Outcome::NoStableReading;
        return result;
    }
    result.now = *now;
    const bool settled = bindingSettles(onReply);
    if (!run.live())
        return result;
    if (settled && (now->mouseId != held.mouseId || now->keyboardId != held.keyboardId))
        result.outcome = Outcome::Paired;
    else if (tick >= kTimeoutTick)
        result.outcome = Outcome::TimedOut;  // also when the status never settles
    else
        result.outcome = Outcome::Pairing;
    return result;
}
