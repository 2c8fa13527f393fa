#pragma once

#include <QtGlobal>

class CommandChannel;

// The receiver's RF test modes (command 0x08 and its sub-commands). Each is one report, not
// answered.
class TestModeCommands {
public:
    struct Range {
        int low;
        int high;
        bool contains(double value) const { return value >= low && value <= high; }
    };
    static constexpr Range kFrequencies{1, 127};
    static constexpr Range kModes{1, 12};

    explicit TestModeCommands(CommandChannel& channel) : channel_(channel) {}

    void SetTestMode(bool on);
    void SendTxData(quint8 data);
    // Numbers outside their range are the caller's to refuse; these send what they are given.
    void SetFrequency(quint8 frequency);
    void SetModeNumber(quint8 mode);

private:
    void Send(quint8 subCommand, quint8 operand = 0);

    CommandChannel& channel_;
};
