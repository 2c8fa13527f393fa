#pragma once

#include "window/controls/TColor.h"

#include <QImage>
#include <QPoint>

#include <initializer_list>

// Pixel-exact drawing on a 32-bit QImage with the raster conventions of the controls:
// rectangles and lines exclude their right and bottom ends; everything is clipped to the image.
class RasterCanvas {
public:
    // The image must be Format_RGB32 or Format_ARGB32; pixels are written opaque.
    explicit RasterCanvas(QImage& image);

    void setPixel(int x, int y, TColor c);
    // Fills x1 <= x < x2, y1 <= y < y2.
    void fillRect(int x1, int y1, int x2, int y2, TColor c);
    // The one-pixel outline of the rectangle x1 <= x < x2, y1 <= y < y2.
    void frameRect(int x1, int y1, int x2, int y2, TColor c);
    // A one-pixel line from (x1, y1) up to, not including, (x2, y2).
    void line(int x1, int y1, int x2, int y2, TColor c);
    // Consecutive lines through the points; only the last point is left out.
    void polyline(std::initializer_list<QPoint> points, TColor c);

private:
    // The image's pixels, taken once: every scan line lookup would check for a shared copy.
    int width_, height_, stride_;
    QRgb* pixels_;
};
