#pragma once

#include "protocol/device/SpecialCommands.h"
#include "window/controls/TColor.h"

// How the channel grids paint a channel: red when its bit is set, light green when clear.
constexpr TColor kChannelSetColour = 0x0000FF;
constexpr TColor kChannelClearColour = 0xC0DCC0;

inline TColor ChannelCellColour(quint8 mapByte, int column)
{
    return ChannelBitShown(mapByte, column) ? kChannelSetColour : kChannelClearColour;
}
