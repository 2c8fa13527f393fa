#include "protocol/engineering/TestModeCommands.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/Commands.h"

void TestModeCommands::Send(quint8 subCommand, quint8 operand)
{
    // A lone sub-command leaves byte 3 zero, as an operand of 0 does.
    channel_.plainCommand(CommandChannel::request({Cmd::kTest, subCommand, operand}));
}

void TestModeCommands::SetTestMode(bool on)
{
    Send(on ? Cmd::Test::kOn : Cmd::Test::kOff);
}

void TestModeCommands::SendTxData(quint8 data)
{
    Send(Cmd::Test::kTxData, data);
}

void TestModeCommands::SetFrequency(quint8 frequency)
{
    Send(Cmd::Test::kFrequency, frequency);
}

void TestModeCommands::SetModeNumber(quint8 mode)
{
    Send(Cmd::Test::kSetMode, mode);
}
