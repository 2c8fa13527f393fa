#include "window/controls/Pictures.h"

#include <QImage>
#include <QPixmap>
#include <QString>

void InitPictureResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    Q_UNUSED(registered);
}

QPixmap PictureForScale(const QString& path, qreal scale)
{
    const QImage picture(path);
    if (scale <= 1.0 || picture.isNull())
        return QPixmap::fromImage(picture);
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    QImage large(path.left(dot) + QStringLiteral("@2x") + path.mid(dot));
    if (large.isNull())
        large = picture;  // none made: stretched, as Qt would
    const QSize pixels = (QSizeF(picture.size()) * scale).toSize();
    if (large.size() != pixels)
        large = large.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    large.setDevicePixelRatio(scale);
    return QPixmap::fromImage(large);
}
