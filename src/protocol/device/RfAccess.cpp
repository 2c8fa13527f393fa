#include "protocol/device/RfAccess.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/Commands.h"
#include "protocol/device/ReentryGuard.h"

quint8 RfAccess::ReadCode(RfSpace space)
{
    switch (space) {
    case RfSpace::DirectRegister: return Cmd::kRfReadDirectReg;
    case RfSpace::IndexRegister: return Cmd::kRfReadIndexReg;
    case RfSpace::Sensor: return Cmd::kRfReadSensor;
    case RfSpace::Eeprom: return Cmd::kRfReadEeprom;
    }
    return Cmd::kRfReadDirectReg;
}

quint8 RfAccess::WriteCode(RfSpace space)
{
    switch (space) {
    case RfSpace::DirectRegister: return Cmd::kRfWriteDirectReg;
    case RfSpace::IndexRegister: return Cmd::kRfWriteIndexReg;
    case RfSpace::Sensor: return Cmd::kRfWriteSensor;
    case RfSpace::Eeprom: return Cmd::kRfWriteEeprom;
    }
    return Cmd::kRfWriteDirectReg;
}

int RfAccess::Read(RfSpace space, quint8 address)
{
    return channel_.RfQuery(ReadCode(space), address);
}

void RfAccess::Write(RfSpace space, quint8 address, quint8 data)
{
    channel_.RfCommand(WriteCode(space), address, data);
}

int RfAccess::WriteEepromVerified(quint8 address, quint8 data,
                                  const std::function<void(int)>& onReadBack)
{
    const ReentryGuard guard(writingEeprom_);
    const CommandChannel::Sequence run(channel_);
    if (!guard.entered() || !run.live())
        return -1;
    int readBack = -1;
    for (int pass = 1; pass <= CommandChannel::kRetryLimit && run.live(); ++pass) {
        Write(RfSpace::Eeprom, address, data);
        channel_.wait(kEepromWriteSettleMs);
        channel_.pump();
        readBack = Read(RfSpace::Eeprom, address);
        if (onReadBack)
            onReadBack(readBack);
        if (readBack == data)
            break;
    }
    return readBack;
}

void RfAccess::SetupCpi(quint8 code)
{
    channel_.RfCommand(Cmd::kRfSetupCpi, code, Cmd::RfSetupCpi::kKey);
}

void RfAccess::EnterAccess(bool withLed)
{
    channel_.RfCommand(Cmd::kRfEnterAccess, Cmd::RfEnterAccess::kKey,
                       withLed ? Cmd::RfEnterAccess::kWithLed : Cmd::RfEnterAccess::kWithoutLed);
}

void RfAccess::LeaveAccess()
{
    channel_.RfCommand(Cmd::kRfLeaveAccess, 0x00, 0x00);
}
