#pragma once

#include "protocol/device/CommandChannel.h"
#include "protocol/device/SpecialCommands.h"

#include <QtGlobal>

#include <optional>

class RfAccess;

// The battery levels of a valid battery reply, and their scales.
struct BatteryLevels {
    static constexpr int kMouseFull = 7;  // the mouse gauge's scale, the same for every receiver
    int keyboard = 0;
    int mouse = 0;
    // Reply byte 0's high nibble less one, as the keyboard gauge's maximum (0 for a nibble of 0).
    int keyboardFull = 0;

    bool operator==(const BatteryLevels& o) const
    {
        return keyboard == o.keyboard && mouse == o.mouse && keyboardFull == o.keyboardFull;
    }
    bool operator!=(const BatteryLevels& o) const { return !(*this == o); }
};

// How the mouse gauge shows a level: 5-7 good, 2-4 low, anything else critical.
enum class BatteryBand { Good, Low, Critical };

// Reply byte 0's low nibble is 4 or 8 in a valid reply, its high nibble the keyboard's scale
// plus one; byte 1 carries the keyboard level in its high nibble and the mouse level in its
// low nibble.
std::optional<BatteryLevels> DecodeBattery(const CommandChannel::Report& reply);
BatteryBand MouseBatteryBand(int level);
// The keyboard's level in the mouse's bands, by its share of its own scale: good from the share
// of 5 of 7, critical at the lowest step or below (or past the scale), low between. Nothing for
// a scale without steps.
std::optional<BatteryBand> KeyboardBatteryBand(int level, int full);
// The share of a full battery a level stands for, in whole per cent (0 to 100); 0 for a scale
// without steps.
int BatteryPercent(int level, int full);

// The CPI in hundreds (5, 8, 10 or 16) of a valid CPI reply: byte 0 is 0 and byte 1 one of
// those four.
std::optional<int> DecodeCpi(const CommandChannel::Report& reply);
inline bool CpiIsHigh(int hundreds)
{
    return hundreds >= 10;
}

// The CPI setting's choice that a CPI read-out stands for.
int CpiChoice(int hundreds);
// The CPI choice a CPI read-out shows, given the choice on show (-1: none). Nothing when that
// one shows already; the first selection is left to the settings read-back: with none on show,
// only a read-back in progress selects one.
std::optional<int> CpiChoiceToShow(int hundreds, int shown, bool readBackInProgress);

// What the status tick does with the binding status (special command 4, byte 1; nothing when
// the run failed): check the mouse link (and read the settings back when it answers) once the
// status has left 0xBB or while the settings have not been read; otherwise remember whether the
// status is 0xBB.
struct BindingStep {
    bool checkMouseLink = false;
    bool prevBindingStatusBB = false;
};
BindingStep NextBindingStep(bool prevBindingStatusBB, bool settingsRead,
                            std::optional<quint8> bindingStatus);

// The outcome of the mouse link check.
struct MouseLinkCheck {
    // Two MSE_SN values read 10 ms apart differed: the mouse's packets reach the receiver.
    bool linked = false;
    // The last special command 1 reply, for the value boxes.
    std::optional<SpecialReply> lastReply;
    // The sensor read that provoked traffic (-1 when it got no answer); nothing when none ran.
    std::optional<int> sensorData;
};

// The read-outs of the status area: battery, CPI and the mouse link check.
class StatusReadouts {
public:
    static constexpr int kSerialGapMs = 10;
    static constexpr int kAccessSettleMs = 50;

    StatusReadouts(CommandChannel& channel, SpecialCommands& special, RfAccess& rf)
        : channel_(channel), special_(special), rf_(rf)
    {}

    // Polled reads; the buffer is decoded whether or not it was acknowledged, as the validity
    // tests reject a buffer that still holds the request.
    std::optional<BatteryLevels> readBattery();
    std::optional<int> readCpi();

    // Compares MSE_SN between two special command 1 runs; when it stands still, provokes
    // traffic with a sensor read inside an RF access bracket and compares again. False when a
    // run fails (an earlier run's value must not count), when the receiver goes, or when a
    // check is already running further up the stack.
    MouseLinkCheck checkMouseLink();

private:
    std::optional<quint8> MouseSerial(MouseLinkCheck& check);
    // Whether MSE_SN changed between two runs 10 ms apart; nothing when a run failed.
    std::optional<bool> serialMoves(MouseLinkCheck& check);

    CommandChannel& channel_;
    SpecialCommands& special_;
    RfAccess& rf_;
    bool checking_ = false;
};
