#include "protocol/device/SpecialCommands.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/ReentryGuard.h"

SpecialReply SpecialReplyFrom(int command, const std::array<quint8, 9>& report)
{
    SpecialReply record;
    record.command = command;
    for (size_t i = 0; i < record.bytes.size(); ++i)
        record.bytes[i] = report[i];
    record.bindingSettled =
        command == Cmd::Special::kBindingStatus && BindingStatusSettled(report[1]);
    return record;
}

std::vector<ChannelMapRow> ChannelMapRows(const SpecialReply& reply)
{
    std::vector<ChannelMapRow> rows;
    const auto& b = reply.bytes;
    switch (reply.command) {
    case Cmd::Special::kHoppingMaps:
        for (int row = 0; row < 4; ++row)
            rows.push_back({ChannelGrid::MouseHopping, row, b[size_t(row)]});
        for (int row = 0; row < 3; ++row)
            rows.push_back({ChannelGrid::KeyboardHopping, row, b[size_t(row + 4)]});
        break;
    case Cmd::Special::kMaskList:
        for (int row = 0; row < 4; ++row)
            rows.push_back({ChannelGrid::Rssi, row, b[size_t(row)]});
        break;
    case Cmd::Special::kBindingStatus:
        if (reply.bindingSettled)
            rows.push_back({ChannelGrid::KeyboardHopping, 3, b[0]});
        break;
    default: break;
    }
    return rows;
}

std::optional<SpecialReply> SpecialCommands::Run(int command)
{
    if (command < Cmd::Special::kFirstSelector || command > Cmd::Special::kLastSelector)
        return std::nullopt;
    const ReentryGuard guard(running_[size_t(command)]);
    const CommandChannel::Sequence run(channel_);
    if (!guard.entered())
        return std::nullopt;
    const bool bindingStatus = command == Cmd::Special::kBindingStatus;
    const int exchanges = bindingStatus ? kBindingStatusExchanges : 1;
    const CommandChannel::Report request = CommandChannel::request(
        {Cmd::kSpecial, Cmd::Special::kKey1, Cmd::Special::kKey2, quint8(command)});
    std::optional<SpecialReply> last;
    for (int exchange = 1; exchange <= exchanges && run.live(); ++exchange) {
        CommandChannel::Report reply{};
        if (!channel_.strictRead(request, reply))
            break;
        last = SpecialReplyFrom(command, reply);
        if (!bindingStatus || last->bindingSettled)
            break;
    }
    // A reply from a receiver that is no longer the channel's would mislead.
    return run.live() ? last : std::nullopt;
}
