#pragma once

#include "protocol/device/Commands.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class DeviceClock;
class ReceiverLock;
class THidDevice;

// The receiver's report protocol: 8-byte feature reports with report ID 1, built in a 9-byte
// buffer; the reply is read into the same buffer, and byte 7 = 0xCC acknowledges it.
class CommandChannel {
public:
    static constexpr int kRetryLimit = 50;
    using Report = std::array<quint8, 9>;

    explicit CommandChannel(DeviceClock& clock);

    // A run of exchanges that belongs to the receiver set when it began. Once that receiver is
    // dropped or replaced, or the channel closes, every exchange of the run fails at once,
    // without sending or waiting. A run opened inside another is part of it; one opened by a
    // handler that a pump delivered is a run of its own. Every multi-exchange sequence opens
    // one.
    class Sequence {
    public:
        explicit Sequence(CommandChannel& channel);
        ~Sequence();
        Sequence(const Sequence&) = delete;
        Sequence& operator=(const Sequence&) = delete;
        // True while the receiver the run began with is still the channel's.
        bool live() const { return channel_.usable(); }
        // True when another process held the receiver: the run sends nothing, though the
        // receiver is still there.
        bool refused() const { return refused_; }

    private:
        CommandChannel& channel_;
        bool holdsLock_ = false;
        bool refused_ = false;
    };

    // The receiver handle: every exchange goes to this device, or to none.
    THidDevice* receiver() const { return receiver_; }
    void setReceiver(THidDevice* device);
    // A closed channel sends nothing any more (the window is closing).
    void setClosed(bool closed);
    DeviceClock& clock() const { return clock_; }
    // True when an exchange can go out: a receiver is set and the innermost open run, if any,
    // began with it.
    bool usable() const;
    // True while a run is open, also one that a pump delivering the caller lies inside: a
    // handler called from a sequence's pump is inside that sequence.
    bool insideRun() const { return !openRuns_.empty(); }
    // Sleeps only while an exchange could follow: waiting for a receiver that is gone costs no
    // time.
    void wait(int ms);
    // Lets pending events run. Every pump inside a sequence goes through here: what the pump
    // delivers is not part of the sequence that pumped.
    void pump();

    // Takes `lock` for every outermost run, waiting at most waitMs for another process. A run
    // that cannot get it sends nothing, and lockRefused() tells so.
    void setLock(std::shared_ptr<ReceiverLock> lock, int waitMs);
    bool lockRefused() const { return lockRefused_; }
    // Why the last refused run found no lock to take at all (not merely another process
    // holding it); empty otherwise.
    const QString& lockFailure() const { return lockFailure_; }
    // For a caller that goes on after a refused run (a watcher skips that poll).
    void clearLockRefused()
    {
        lockRefused_ = false;
        lockFailure_.clear();
    }

    // Receives the "WRT EEPROM ..." lines of EepromWriteWord.
    void setDebugLog(std::function<void(const QString&)> log) { debugLog_ = std::move(log); }

    // One set or get call handed to the receiver: the buffer as written, or as the get left it.
    struct TraceEntry {
        enum class Direction { Set, Get };
        Direction direction = Direction::Set;
        Report bytes{};
        int length = 0;  // the bytes the call carried
        bool ok = false;
    };
    // Sees every call to the receiver, in order, as it returns; none is traced by default.
    void setTrace(std::function<void(const TraceEntry&)> trace) { trace_ = std::move(trace); }

    // Builds 01 b1 .. b7 00: report ID 1, then the given bytes, the rest zero.
    static Report request(std::initializer_list<quint8> bytes);
    static bool acknowledged(const Report& reply) { return reply[7] == Cmd::kAck; }

    int EepromReadWord(quint8 wordNumber);
    // Writes and reads back until the word reads as written, at most 50 passes, each pass
    // leaving a "WRT EEPROM ..." line. True when the last read-back matched.
    bool EepromWriteWord(quint8 wordNumber, quint16 value);
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

    // What sets the four acknowledged exchange kinds apart (docs/device-loops.md has the table).
    // Every attempt sends the request afresh and, after a successful set, waits and gets; then
    // it waits again, pumps, and ends the exchange when the reply is acknowledged.
    struct ExchangePolicy {
        int attempts;
        int waitBeforeGetMs;    // after a successful set
        int waitAfterGetMs;     // after the get, or after a failed set that does not give up
        bool failedSetGivesUp;  // else the attempt reads as unanswered, with no get
        bool failedGetGivesUp;  // else the unchanged buffer reads as unanswered
        // Looks for the receiver before each attempt; the kinds that give up on a failed set
        // learn that it is gone from their next set.
        bool endsWhenGone;
        bool pumpsFirst;  // lets pending events run before the exchange begins
    };

private:
    // The one exchange loop: true when the last reply, left in `reply`, was acknowledged.
    bool exchange(const Report& request, Report& reply, const ExchangePolicy& policy);
    // The one place every set and get passes on its way to the receiver, and is traced.
    bool transfer(TraceEntry::Direction direction, Report& buffer);
    int reportLength() const;
    void log(const QString& line) const;

    DeviceClock& clock_;
    THidDevice* receiver_ = nullptr;
    bool closed_ = false;
    // Counts every change of receiver; an open run remembers the count it began with.
    static constexpr quint64 kPumpBoundary = ~quint64(0);
    static constexpr quint64 kRefused = ~quint64(0) - 1;
    // True when the run now holds the lock; refused when another process keeps it.
    bool takeLock(bool& refused);
    void giveLockBack();
    std::shared_ptr<ReceiverLock> lock_;
    int lockWaitMs_ = 0;
    int lockHolds_ = 0;
    bool lockRefused_ = false;
    QString lockFailure_;
    quint64 generation_ = 0;
    std::vector<quint64> openRuns_;
    std::function<void(const QString&)> debugLog_;
    std::function<void(const TraceEntry&)> trace_;
};
