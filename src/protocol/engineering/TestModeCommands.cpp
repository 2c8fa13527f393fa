#include "protocol/engineering/TestModeCommands.h"

#include "protocol/device/CommandChannel.h"

namespace {

constexpr quint8 kTestCommand = 0x08;
constexpr quint8 kTestOn = 0x01;
constexpr quint8 kTestOff = 0x02;
constexpr quint8 kTxData = 0x06;
constexpr quint8 kTestFrequency = 0x0A;
constexpr quint8 kSetTestMode = 0x0C;

}  // namespace

void TestModeCommands::Send(quint8 subCommand, quint8 operand)
{
    // A lone sub-command leaves byte 3 zero, as an operand of 0 does.
    channel_.plainCommand(CommandChannel::request({kTestCommand, subCommand, operand}));
}

void TestModeCommands::SetTestMode(bool on)
{
    Send(on ? kTestOn : kTestOff);
}

void TestModeCommands::SendTxData(quint8 data)
{
    Send(kTxData, data);
}

void TestModeCommands::SetFrequency(quint8 frequency)
{
    Send(kTestFrequency, frequency);
}

void TestModeCommands::SetModeNumber(quint8 mode)
{
    Send(kSetTestMode, mode);
}
