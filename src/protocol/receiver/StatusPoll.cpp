#include "protocol/receiver/StatusPoll.h"

#include "protocol/device/RfAccess.h"

std::optional<StatusReading> ReadStatus(CommandChannel& channel, bool withKeyboardPackets)
{
    const CommandChannel::Sequence run(channel);
    CommandChannel::Report reply{};
    std::optional<LinkStatus> link;
    if (channel.statusRead(CommandChannel::request({Cmd::kLinkStatus}), reply, false))
        link = DecodeLinkStatus(reply);
    if (!link)
        return std::nullopt;
    SpecialCommands special(channel);
    RfAccess rf(channel);
    StatusReadouts readouts(channel, special, rf);
    StatusReading reading{*link, readouts.readBattery(), readouts.readCpi(),
                          special.Run(Cmd::Special::kBindingStatus), std::nullopt};
    if (withKeyboardPackets)
        if (const std::optional<SpecialReply> radio = special.Run(Cmd::Special::kRadio))
            reading.keyboardPackets = radio->bytes[2];
    return reading;
}

std::optional<bool> MouseInReach(const std::optional<SpecialReply>& binding)
{
    if (!binding || !binding->bindingSettled)
        return std::nullopt;
    return binding->bytes[1] == BindingStatus::kLinked;
}
