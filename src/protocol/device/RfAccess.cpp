#include "protocol/device/RfAccess.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/ReentryGuard.h"

quint8 RfAccess::ReadCode(RfSpace space)
{
    switch (space) {
    case RfSpace::DirectRegister: return RfCode::kReadDirectReg;
    case RfSpace::IndexRegister: return RfCode::kReadIndexReg;
    case RfSpace::Sensor: return RfCode::kReadSensor;
    case RfSpace::Eeprom: return RfCode::kReadEeprom;
    }
    return RfCode::kReadDirectReg;
}

quint8 RfAccess::WriteCode(RfSpace space)
{
    switch (space) {
    case RfSpace::DirectRegister: return RfCode::kWriteDirectReg;
    case RfSpace::IndexRegister: return RfCode::kWriteIndexReg;
    case RfSpace::Sensor: return RfCode::kWriteSensor;
    case RfSpace::Eeprom: return RfCode::kWriteEeprom;
    }
    return RfCode::kWriteDirectReg;
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
    channel_.RfCommand(RfCode::kSetupCpi, code, 0xCC);
}

void RfAccess::EnterAccess(bool withLed)
{
    channel_.RfCommand(RfCode::kEnterAccess, 0x5A, withLed ? 0xCC : 0x33);
}

void RfAccess::LeaveAccess()
{
    channel_.RfCommand(RfCode::kLeaveAccess, 0x00, 0x00);
}
