#pragma once

// Helpers shared by the fuzz targets: turn libFuzzer's bytes into the inputs of a parser.
#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A reply buffer as the command channel hands it to a decoder: the first bytes of the input,
// the rest zero.
inline std::array<quint8, 9> ReportFrom(const std::uint8_t* data, std::size_t size)
{
    std::array<quint8, 9> report{};
    for (std::size_t i = 0; i < report.size() && i < size; ++i)
        report[i] = data[i];
    return report;
}

// Takes bytes off the front of the input; reads past its end give zeros.
class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    quint8 byte() { return at_ < size_ ? data_[at_++] : 0; }
    int int16() { return int(qint16(quint16(byte() << 8 | byte()))); }
    int int32() { return int(quint32(byte()) << 24 | quint32(byte()) << 16 | quint32(byte()) << 8 | byte()); }
    // The rest of the input.
    QByteArray rest()
    {
        const QByteArray bytes(reinterpret_cast<const char*>(data_ + at_), qsizetype(size_ - at_));
        at_ = size_;
        return bytes;
    }
    bool empty() const { return at_ >= size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A broken promise of the parser: libFuzzer records the input as a crash.
inline void Expect(bool promise)
{
    if (!promise)
        std::abort();
}
