#pragma once

#include <QString>
#include <QtGlobal>

#include <deque>
#include <vector>

// One feature report written to or read from a simulated device.
struct ReportLogEntry {
    enum class Direction { Set, Get };

    qint64 sequence = 0;  // position among every entry ever recorded
    qint64 timeMs = 0;    // device clock
    int deviceId = 0;
    int collection = 0;
    Direction direction = Direction::Set;
    int length = 0;             // the length the caller passed
    std::vector<quint8> bytes;  // written (set) or delivered (get); empty for a failed get
    bool ok = false;

    bool isSet() const { return direction == Direction::Set; }
    QString hex() const;  // "01 24 AA 12 00 00 00 00"
};

// Every report written and read, oldest first. Keeps the most recent `capacity` entries; marks
// stay valid because they count every entry ever recorded.
class ReportLog {
public:
    using Entry = ReportLogEntry;

    explicit ReportLog(size_t capacity = 100000) : capacity_(capacity ? capacity : 1) {}

    void record(Entry entry);
    void clear();
    void setCapacity(size_t capacity);

    qint64 mark() const { return next_; }
    std::vector<Entry> since(qint64 mark) const;
    std::vector<Entry> setsSince(qint64 mark) const;
    std::vector<Entry> getsSince(qint64 mark) const;
    // Written bytes of the successful sets since the mark, as hex lines (handy in assertions).
    std::vector<QString> sentSince(qint64 mark) const;
    const std::deque<Entry>& entries() const { return entries_; }

    static QString hex(const quint8* data, int length);

private:
    std::vector<Entry> select(qint64 mark, int direction) const;

    size_t capacity_;
    std::deque<Entry> entries_;
    qint64 next_ = 0;
};
