#include "protocol/engineering/ReceiverControl.h"

#include "protocol/device/CommandChannel.h"

void ReceiverControl::SelectDevice(bool mouse)
{
    channel_.plainCommand(CommandChannel::request({0x17, 0x3C, 0x5A, quint8(mouse ? 0x01 : 0x02)}));
}

void ReceiverControl::EnterAccess()
{
    channel_.plainCommand(CommandChannel::request({0x0C}));
}

void ReceiverControl::LeaveAccess()
{
    channel_.plainCommand(CommandChannel::request({0x0D}));
}

void ReceiverControl::JumpToPowerOnReset()
{
    channel_.plainCommand(CommandChannel::request({0x0E, 0x55, 0xAA, 0xCC}));
}

void ReceiverControl::EnableRssi()
{
    channel_.plainCommand(CommandChannel::request({0x15, 0xBB, 0xA5, 0x5A}));
}

void ReceiverControl::DisableRssi()
{
    channel_.plainCommand(CommandChannel::request({0x16, 0xBB, 0x3C, 0xC3}));
}
