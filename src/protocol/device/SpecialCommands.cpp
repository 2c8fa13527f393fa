#include "protocol/device/SpecialCommands.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/ReentryGuard.h"

SpecialReply SpecialReplyFrom(int command, const std::array<quint8, 9>& report)
{
    SpecialReply record;
    record.command = command;
    for (size_t i = 0; i < record.bytes.size(); ++i)
        record.bytes[i] = report[i];
    record.bindingSettled = command == 4 && BindingStatusSettled(report[1]);
    return record;
}

std::vector<ChannelMapRow> ChannelMapRows(const SpecialReply& reply)
{
    std::vector<ChannelMapRow> rows;
    const auto& b = reply.bytes;
    switch (reply.command) {
    case 2:
        for (int row = 0; row < 4; ++row)
            rows.push_back({ChannelGrid::MouseHopping, row, b[size_t(row)]});
        for (int row = 0; row < 3; ++row)
            rows.push_back({ChannelGrid::KeyboardHopping, row, b[size_t(row + 4)]});
        break;
    case 3:
        for (int row = 0; row < 4; ++row)
            rows.push_back({ChannelGrid::Rssi, row, b[size_t(row)]});
        break;
    case 4:
        if (reply.bindingSettled)
            rows.push_back({ChannelGrid::KeyboardHopping, 3, b[0]});
        break;
    default:
        break;
    }
    return rows;
}

std::optional<SpecialReply> SpecialCommands::Run(int command)
{
    if (command < 1 || command > 4)
        return std::nullopt;
    const ReentryGuard guard(running_[size_t(command)]);
    const CommandChannel::Sequence run(channel_);
    if (!guard.entered())
        return std::nullopt;
    const int exchanges = command == 4 ? kBindingStatusExchanges : 1;
    std::optional<SpecialReply> last;
    for (int exchange = 1; exchange <= exchanges && run.live(); ++exchange) {
        CommandChannel::Report reply{};
        if (!channel_.strictRead(CommandChannel::request({kCommand, 0xFF, 0xAA, quint8(command)}),
                                 reply))
            break;
        last = SpecialReplyFrom(command, reply);
        if (command != 4 || last->bindingSettled)
            break;
    }
    // A reply from a receiver that is no longer the channel's would mislead.
    return run.live() ? last : std::nullopt;
}
