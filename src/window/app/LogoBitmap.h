#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The custom logo: a bitmap file drawn transparently, as a bitmap picture is, with the colour
// of its bottom-left pixel as the transparent colour.

// True when the bitmap file holds all the pixel data its header announces (a truncated file
// would otherwise decode with its missing rows black).
bool BitmapDataComplete(const QByteArray& file);

// The picture with every pixel of its bottom-left pixel's colour made transparent.
QImage WithBitmapTransparency(const QImage& picture);

// The logo in the file, transparent; a null image when the file is missing, larger than
// maxSize, truncated or not a bitmap that can be decoded.
QImage ReadLogoBitmap(const QString& path, QSize maxSize);
