#include "window/controls/RasterCanvas.h"

#include <algorithm>
#include <cstdlib>

RasterCanvas::RasterCanvas(QImage& image)
    : width_(image.width()),
      height_(image.height()),
      stride_(int(image.bytesPerLine() / qsizetype(sizeof(QRgb)))),
      pixels_(reinterpret_cast<QRgb*>(image.bits()))
{}

void RasterCanvas::setPixel(int x, int y, TColor c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[qsizetype(y) * stride_ + x] = toQRgb(c);
}

void RasterCanvas::fillRect(int x1, int y1, int x2, int y2, TColor c)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, width_);
    y2 = std::min(y2, height_);
    if (x1 >= x2 || y1 >= y2)
        return;
    const QRgb pixel = toQRgb(c);
    for (int y = y1; y < y2; ++y) {
        QRgb* row = pixels_ + qsizetype(y) * stride_;
        std::fill(row + x1, row + x2, pixel);
    }
}

void RasterCanvas::frameRect(int x1, int y1, int x2, int y2, TColor c)
{
    if (x1 >= x2 || y1 >= y2)
        return;
    fillRect(x1, y1, x2, y1 + 1, c);
    fillRect(x1, y2 - 1, x2, y2, c);
    fillRect(x1, y1, x1 + 1, y2, c);
    fillRect(x2 - 1, y1, x2, y2, c);
}

void RasterCanvas::line(int x1, int y1, int x2, int y2, TColor c)
{
    // Bresenham; the end point itself is not drawn.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    while (x1 != x2 || y1 != y2) {
        setPixel(x1, y1, c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

void RasterCanvas::polyline(std::initializer_list<QPoint> points, TColor c)
{
    const QPoint* previous = nullptr;
    for (const QPoint& p : points) {
        if (previous)
            line(previous->x(), previous->y(), p.x(), p.y(), c);
        previous = &p;
    }
}
