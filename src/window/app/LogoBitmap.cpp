#include "window/app/LogoBitmap.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

// Far above any bitmap of the logo's largest size, so that a huge file is never read whole.
constexpr qint64 kMaxLogoFileBytes = 4 * 1024 * 1024;

constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kRgb = 0;
constexpr quint32 kRle8 = 1;
constexpr quint32 kRle4 = 2;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;

quint32 Le(const QByteArray& data, int at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | quint8(data.at(at + i));
    return value;
}

}  // namespace

bool BitmapDataComplete(const QByteArray& file)
{
    constexpr int kFileHeader = 14;
    if (file.size() < kFileHeader + int(kCoreHeaderSize) || !file.startsWith("BM"))
        return false;
    const qint64 dataStart = Le(file, 10, 4);
    const quint32 infoSize = Le(file, 14, 4);
    qint64 width, height, bitsPerPixel;
    quint32 compression = kRgb, imageSize = 0;
    if (infoSize == kCoreHeaderSize) {
        width = Le(file, 18, 2);
        height = Le(file, 20, 2);
        bitsPerPixel = Le(file, 24, 2);
    } else {
        if (file.size() < kFileHeader + 24)
            return false;
        width = qAbs(qint64(qint32(Le(file, 18, 4))));  // negative height: top-down rows
        height = qAbs(qint64(qint32(Le(file, 22, 4))));
        bitsPerPixel = Le(file, 28, 2);
        compression = Le(file, 30, 4);
        imageSize = Le(file, 34, 4);
    }
    const qint64 available = file.size() - dataStart;
    if (available < 0)
        return false;
    if (compression == kRle8 || compression == kRle4)
        return imageSize <= available;
    if (compression != kRgb && compression != kBitFields && compression != kAlphaBitFields)
        return false;
    // Rows are padded to 4 bytes. A header may announce sizes whose product no integer holds:
    // the rows are counted against the bytes there are instead.
    const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    return rowBytes == 0 || height <= available / rowBytes;
}

QImage WithBitmapTransparency(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1) & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
    }
    return image;
}

QImage ReadLogoBitmap(const QString& path, QSize maxSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxLogoFileBytes)
        return QImage();
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > maxSize.width() || size.height() > maxSize.height() ||
        !BitmapDataComplete(bytes))
        return QImage();
    return WithBitmapTransparency(reader.read());
}
