#include "sim/ReportLog.h"

QString ReportLog::hex(const quint8* data, int length)
{
    QString text;
    for (int i = 0; data && i < length; ++i) {
        if (i)
            text += QLatin1Char(' ');
        text += QString::asprintf("%02X", unsigned(data[i]));
    }
    return text;
}

QString ReportLogEntry::hex() const
{
    return ReportLog::hex(bytes.data(), int(bytes.size()));
}

void ReportLog::record(Entry entry)
{
    entry.sequence = next_++;
    entries_.push_back(std::move(entry));
    while (entries_.size() > capacity_)
        entries_.pop_front();
}

void ReportLog::setCapacity(size_t capacity)
{
    capacity_ = capacity ? capacity : 1;
    while (entries_.size() > capacity_)
        entries_.pop_front();
}

void ReportLog::clear()
{
    entries_.clear();
}

std::vector<ReportLog::Entry> ReportLog::select(qint64 mark, int direction) const
{
    std::vector<Entry> out;
    for (const Entry& e : entries_) {
        if (e.sequence >= mark && (direction < 0 || int(e.direction) == direction))
            out.push_back(e);
    }
    return out;
}

std::vector<ReportLog::Entry> ReportLog::since(qint64 mark) const
{
    return select(mark, -1);
}

std::vector<ReportLog::Entry> ReportLog::setsSince(qint64 mark) const
{
    return select(mark, int(Entry::Direction::Set));
}

std::vector<ReportLog::Entry> ReportLog::getsSince(qint64 mark) const
{
    return select(mark, int(Entry::Direction::Get));
}

std::vector<QString> ReportLog::sentSince(qint64 mark) const
{
    std::vector<QString> out;
    for (const Entry& e : setsSince(mark)) {
        if (e.ok)
            out.push_back(e.hex());
    }
    return out;
}
