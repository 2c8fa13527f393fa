#pragma once

#include <QtGlobal>

#include <initializer_list>

class CommandChannel;

// The receiver's own control commands: which device the console talks to, the receiver's
// access mode, a jump to power-on reset and RSSI reporting. Each is one report, not answered.
class ReceiverControl {
public:
    explicit ReceiverControl(CommandChannel& channel) : channel_(channel) {}

    void SelectDevice(bool mouse);
    void EnterAccess();
    void LeaveAccess();
    void JumpToPowerOnReset();
    void EnableRssi();
    void DisableRssi();

private:
    void Send(std::initializer_list<quint8> bytes);

    CommandChannel& channel_;
};
