#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <initializer_list>

class DeviceClock;
class THidDevice;

// The receiver's report protocol: 8-byte feature reports with report ID 1, built in a 9-byte
// buffer; the reply is read into the same buffer, and byte 7 = 0xCC acknowledges it.
class CommandChannel {
public:
    static constexpr int kRetryLimit = 50;
    static constexpr quint8 kAck = 0xCC;
    static constexpr quint8 kRfMarker = 0xAA;
    using Report = std::array<quint8, 9>;

    explicit CommandChannel(DeviceClock& clock);

    // The receiver handle: every exchange goes to this device, or to none.
    THidDevice* receiver() const { return receiver_; }
    void setReceiver(THidDevice* device) { receiver_ = closed_ ? nullptr : device; }
    // A closed channel sends nothing any more (the window is closing).
    void setClosed(bool closed) { closed_ = closed; if (closed) receiver_ = nullptr; }
    DeviceClock& clock() const { return clock_; }

    // Receives the "WRT EEPROM ..." lines of EepromWriteWord.
    void setDebugLog(std::function<void(const QString&)> log) { debugLog_ = std::move(log); }

    // Builds 01 b1 .. b7 00: report ID 1, then the given bytes, the rest zero.
    static Report request(std::initializer_list<quint8> bytes);
    static bool acknowledged(const Report& reply) { return reply[7] == kAck; }

    int EepromReadWord(quint8 wordNumber);
    void EepromWriteWord(quint8 wordNumber, quint16 value);
    int RfQuery(quint8 command, quint8 operand);
    void RfCommand(quint8 command, quint8 operand1, quint8 operand2);

    // The exchange kinds the feature handlers use directly. Each returns the last buffer in
    // `reply` (the request itself when nothing was read).
    // Plain command: set once, result ignored.
    void plainCommand(const Report& req);
    // Polled read: up to 50 attempts of set, 2 ms, get (only after a successful set), 2 ms,
    // pump; ends early on an acknowledgement. True when the last reply was acknowledged.
    bool polledRead(const Report& req, Report& reply);
    // Strict read: as the polled read, but a failed set or get gives up at once. True only
    // for an acknowledged reply.
    bool strictRead(const Report& req, Report& reply);
    // Status read: one set and one get, with a 2 ms wait between them unless waitBetween is
    // false. True when both calls succeeded; the content is the caller's to test.
    bool statusRead(const Report& req, Report& reply, bool waitBetween = true);

    // One set and one get with the device's current feature report length, for callers that
    // build their own sequences. False when there is no receiver or the call fails.
    bool setFeature(const Report& buffer);
    bool getFeature(Report& buffer);

private:
    int reportLength() const;
    void log(const QString& line) const;

    DeviceClock& clock_;
    THidDevice* receiver_ = nullptr;
    bool closed_ = false;
    std::function<void(const QString&)> debugLog_;
};
