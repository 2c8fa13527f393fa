#pragma once

#include "sim/MouseModel.h"
#include "sim/PacketCounter.h"
#include "sim/ReceiverEeprom.h"

#include <QtGlobal>

#include <array>
#include <optional>

// The receiver's firmware as the tool sees it over 8-byte feature reports: a request is taken
// by receive() (a set feature call, byte 0 the report ID), the answer is fetched by reply() (a
// get feature call). Byte 7 of an answer is 0xCC once it is valid; before that, and for
// requests that have no answer, reply() gives a buffer of zeros. Times are the device
// clock's milliseconds, passed in by the caller.
class ReceiverModel {
public:
    using Report = std::array<quint8, 8>;
    static constexpr qint64 kNever = -1;

    struct Battery {
        quint8 validity = 4;  // low nibble of byte 0: 4 or 8 for a valid reply
        quint8 keyboardRangePlusOne = 8;
        quint8 keyboardLevel = 7;
        quint8 mouseLevel = 7;
        // Every this many milliseconds of device time both levels fall by one, and start
        // again from full after empty (fresh batteries); 0 keeps them.
        qint64 driftPeriodMs = 0;
    };

    // The radio bookkeeping reported by the special commands 1 to 4.
    struct Radio {
        quint8 rssiThreshold = 0x50;
        quint8 currentChannelIdx = 3;
        quint8 rssiChannelIdx = 5;
        quint8 bindChannelIdx = 0;
        quint8 goodChannelCount = 30;
        quint32 mouseChannelMap = 0xFFFFFFFF;
        quint32 keyboardChannelMap = 0xFFFFFFFF;
        quint32 maskList = 0;
        std::array<quint8, 3> maskListTail{};  // bytes 4..6 of special command 3
        std::array<quint8, 5> statusTail{};    // bytes 2..6 of special command 4
    };

    // What a soft bind leads to: afterMs after the start command a new ID appears, or never.
    struct Pairing {
        qint64 afterMs = kNever;
        bool keyboard = false;
        quint8 newId = 0;  // 0: the current ID plus one
    };

    struct TestMode {
        bool on = false;
        quint8 txData = 0;
        quint8 frequency = 0;
        quint8 mode = 0;
    };

    ReceiverModel();

    void receive(const quint8* report, int length, qint64 nowMs);
    Report reply(qint64 nowMs);

    MouseModel& mouse() { return mouse_; }
    const MouseModel& mouse() const { return mouse_; }
    ReceiverEeprom& eeprom() { return eeprom_; }
    const ReceiverEeprom& eeprom() const { return eeprom_; }

    // An answer becomes valid this long after its request. Repeating the same request while it
    // is pending does not restart the wait. Link status and battery are always answered at
    // once: the attach sequence reads them without waiting.
    void setReplyDelayMs(int ms) { replyDelayMs_ = ms; }

    quint8 channel() const { return channel_; }
    void setChannel(quint8 channel) { channel_ = channel; }
    quint8 mouseId() const { return mouseId_; }
    void setMouseId(quint8 id) { mouseId_ = id; }
    quint8 keyboardId() const { return keyboardId_; }
    void setKeyboardId(quint8 id) { keyboardId_ = id; }
    bool keyboardActive() const { return keyboardActive_; }
    void setKeyboardActive(bool on) { keyboardActive_ = on; }

    void setBattery(const Battery& battery) { battery_ = battery; }
    Radio& radio() { return radio_; }

    // The binding status is 0x33 while the mouse is in reach and 0xBB while the receiver
    // searches for it; the next `queries` special command 4 answers carry `value` instead.
    void setBindingUnsettled(int queries, quint8 value = 0x00);

    void setPairing(const Pairing& pairing) { pairing_ = pairing; }
    bool pairingInProgress() const { return pairingSince_.has_value(); }
    int pairingStarts() const { return pairingStarts_; }

    // Remembered state of the other commands.
    const TestMode& testMode() const { return testMode_; }
    int selectedDevice() const { return selectedDevice_; }  // 0 none, 1 mouse, 2 keyboard
    bool receiverAccess() const { return receiverAccess_; }
    bool rssiEnabled() const { return rssiEnabled_; }
    int porJumps() const { return porJumps_; }
    int hotkeyUpdates() const { return hotkeyUpdates_; }
    // Words 3..6 as they were when the last update command took them into use.
    const std::array<quint16, 4>& hotkeysInUse() const { return hotkeysInUse_; }

private:
    void advanceTo(qint64 nowMs);
    std::optional<Report> answer(const Report& request, qint64 nowMs);
    void testModeCommand(const Report& request, qint64 nowMs);
    Report specialCommand(quint8 selector);
    Report batteryReply(qint64 nowMs) const;
    quint8 bindingStatus();

    MouseModel mouse_;
    ReceiverEeprom eeprom_;
    PacketCounter keyboardPackets_;
    Battery battery_;
    Radio radio_;
    Pairing pairing_;
    TestMode testMode_;

    quint8 channel_ = 40;
    quint8 mouseId_ = 0x21;
    quint8 keyboardId_ = 0x43;
    bool keyboardActive_ = false;
    int unsettledQueries_ = 0;
    quint8 unsettledValue_ = 0;
    std::optional<qint64> pairingSince_;
    int pairingStarts_ = 0;
    int selectedDevice_ = 0;
    bool receiverAccess_ = false;
    bool rssiEnabled_ = false;
    int porJumps_ = 0;
    int hotkeyUpdates_ = 0;
    std::array<quint16, 4> hotkeysInUse_{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};

    int replyDelayMs_ = 0;
    Report lastRequest_{};
    std::optional<Report> pending_;
    qint64 readyAtMs_ = 0;
};
