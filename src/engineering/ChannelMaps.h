#pragma once

#include "controls/TColor.h"

#include <QtGlobal>

// Channel grids: row r shows byte r of a 32-slot map; the cell in column c shows bit 7 - c,
// so column 0 (the rightmost cell) is bit 7 and the channels rise from left to right.
constexpr TColor kChannelSetColour = 0x0000FF;    // red
constexpr TColor kChannelClearColour = 0xC0DCC0;  // light green

inline bool ChannelBitShown(quint8 mapByte, int column)
{
    return (mapByte >> (7 - column)) & 1;
}

inline TColor ChannelCellColour(quint8 mapByte, int column)
{
    return ChannelBitShown(mapByte, column) ? kChannelSetColour : kChannelClearColour;
}

// Binding status byte of special command 4 once the receiver has settled.
inline bool BindingStatusSettled(quint8 status)
{
    return status == 0xBB || status == 0x33;
}
