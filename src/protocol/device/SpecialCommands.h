#pragma once

#include "protocol/device/Commands.h"

#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

class CommandChannel;

// The receiver's four diagnostic special commands (command 0x14, selector 1 to 4) and the
// channel maps their replies carry.
struct SpecialReply {
    int command = 0;
    std::array<quint8, 7> bytes{};
    // Command 4 only: the binding status (byte 1) had settled to 0xBB or 0x33.
    bool bindingSettled = false;
};

// Byte 1 of special command 4's reply: the receiver still searches for its mouse, or has it.
namespace BindingStatus {
inline constexpr quint8 kSearching = 0xBB, kLinked = 0x33;
}  // namespace BindingStatus

// The three channel grids of the console.
enum class ChannelGrid { MouseHopping, KeyboardHopping, Rssi };

// One row of a channel grid: 8 channels, the cell in column c showing bit 7 - c.
struct ChannelMapRow {
    ChannelGrid grid;
    int row;
    quint8 bits;

    bool operator==(const ChannelMapRow& other) const
    {
        return grid == other.grid && row == other.row && bits == other.bits;
    }
};

inline bool ChannelBitShown(quint8 mapByte, int column)
{
    return (mapByte >> (7 - column)) & 1;
}

inline bool BindingStatusSettled(quint8 status)
{
    return status == BindingStatus::kSearching || status == BindingStatus::kLinked;
}

// The record of command `command`'s acknowledged reply (report bytes 0 to 6).
SpecialReply SpecialReplyFrom(int command, const std::array<quint8, 9>& report);

// The grid rows a reply paints: command 2 the mouse map (rows 0-3 from bytes 0-3) and the
// keyboard map's rows 0-2 (bytes 4-6); command 3 the mask list (rows 0-3); command 4, once
// settled, the keyboard map's row 3 (byte 0); nothing else.
std::vector<ChannelMapRow> ChannelMapRows(const SpecialReply& reply);

class SpecialCommands {
public:
    // How many exchanges one run of command 4 makes at most while the binding status is
    // unsettled, so that a receiver that never settles cannot hold the tool.
    static constexpr int kBindingStatusExchanges = 10;

    explicit SpecialCommands(CommandChannel& channel) : channel_(channel) {}

    // Runs command 1 to 4 and returns this run's last acknowledged reply; nothing when no
    // reply was acknowledged, when the receiver went or was replaced during the run, for
    // another command number, or when the same command is already running further up the
    // stack.
    std::optional<SpecialReply> Run(int command);

private:
    CommandChannel& channel_;
    std::array<bool, Cmd::Special::kLastSelector + 1> running_{};
};
