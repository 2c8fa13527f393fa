#include "protocol/engineering/ReceiverControl.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/Commands.h"

void ReceiverControl::SelectDevice(bool mouse)
{
    namespace Select = Cmd::SelectDevice;
    Send({Cmd::kSelectDevice, Select::kKey1, Select::kKey2,
          mouse ? Select::kMouse : Select::kKeyboard});
}

void ReceiverControl::EnterAccess()
{
    Send({Cmd::kEnterAccess});
}

void ReceiverControl::LeaveAccess()
{
    Send({Cmd::kLeaveAccess});
}

void ReceiverControl::JumpToPowerOnReset()
{
    namespace Key = Cmd::JumpToPor;
    Send({Cmd::kJumpToPor, Key::kKey1, Key::kKey2, Key::kKey3});
}

void ReceiverControl::EnableRssi()
{
    namespace Key = Cmd::EnableRssi;
    Send({Cmd::kEnableRssi, Key::kKey1, Key::kKey2, Key::kKey3});
}

void ReceiverControl::DisableRssi()
{
    namespace Key = Cmd::DisableRssi;
    Send({Cmd::kDisableRssi, Key::kKey1, Key::kKey2, Key::kKey3});
}

void ReceiverControl::Send(std::initializer_list<quint8> bytes)
{
    channel_.plainCommand(CommandChannel::request(bytes));
}
