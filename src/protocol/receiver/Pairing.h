#pragma once

#include "protocol/device/CommandChannel.h"
#include "protocol/device/SpecialCommands.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <optional>

// A valid link status reading: the RF channel (2 to 82) and the IDs the receiver holds.
struct LinkStatus {
    quint8 channel = 0;
    quint8 mouseId = 0;
    quint8 keyboardId = 0;
};

// Reply byte 0 is the channel, valid from 2 to 82; bytes 1 and 2 the mouse and keyboard IDs.
std::optional<LinkStatus> DecodeLinkStatus(const CommandChannel::Report& reply);

// The debug lines of a pairing: the IDs noted when it starts, and each valid first and second
// reading of a tick.
enum class ReadingStage { First, Second };
QString PairingStartLine(int tick, const LinkStatus& ids);
QString PairingReadingLine(ReadingStage stage, int tick, const LinkStatus& reading);

// Pairing (soft bind): the receiver is told to learn a new mouse or keyboard, and is then
// watched once a second until the mouse or keyboard ID it holds changes, or the time runs out.
class Pairing {
public:
    // Link status attempts before a tick, or the start, gives up.
    static constexpr int kStableAttempts = 19;
    static constexpr int kReadingGapMs = 5;
    // Special command 4 runs a tick makes while the binding status is unsettled.
    static constexpr int kBindingStatusRuns = 10;
    // The tick on which a pairing without a new ID has failed.
    static constexpr int kTimeoutTick = 16;

    enum class Outcome {
        Pairing,          // no change yet: the next tick looks again
        Paired,           // the mouse or keyboard ID changed
        TimedOut,         // the last tick passed without a change
        NoStableReading,  // the receiver gave no stable link status
        Gone,             // the receiver went or was replaced during the tick
        Skipped,          // another process held the receiver: the next tick looks again
    };
    struct TickResult {
        Outcome outcome = Outcome::Gone;
        LinkStatus now;  // the stable reading of the tick, when there was one
    };

    using ReadingSeen = std::function<void(ReadingStage, const LinkStatus&)>;
    using ReplySeen = std::function<void(const SpecialReply&)>;

    Pairing(CommandChannel& channel, SpecialCommands& special)
        : channel_(channel), special_(special)
    {}

    // Notes the IDs from a stable reading and sends the start command. Nothing, and nothing
    // sent after the readings, when no attempt within the bound was stable.
    std::optional<LinkStatus> start();

    // One tick of a running pairing. `tick` counts from 1; `held` is what the receiver held
    // when the pairing started. Valid readings and special command 4 replies are reported as
    // they arrive.
    TickResult tick(int tick, const LinkStatus& held, const ReadingSeen& onReading,
                    const ReplySeen& onReply);

private:
    std::optional<LinkStatus> readLinkStatus();
    // Attempts of a reading and, when it is valid, a second one 5 ms later: stable when both
    // are valid with the same mouse ID. The IDs are the second reading's.
    std::optional<LinkStatus> readStable(const ReadingSeen& onReading);
    // True when the binding status settled within the first nine runs.
    bool bindingSettles(const ReplySeen& onReply);
    void sendStart();

    CommandChannel& channel_;
    SpecialCommands& special_;
    // The buffer of the last link status read; the start command is built in it.
    CommandChannel::Report buffer_{};
};
