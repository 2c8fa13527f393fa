#include "window/controls/FloodFill.h"

#include <vector>

int FloodFill(QImage& image, QPoint seed, QRgb target, QRgb replacement)
{
    if (target == replacement || !image.rect().contains(seed) || image.depth() != 32)
        return 0;
    const int w = image.width(), h = image.height();
    auto pixel = [&image](int x, int y) -> QRgb& {
        return reinterpret_cast<QRgb*>(image.scanLine(y))[x];
    };
    if (pixel(seed.x(), seed.y()) != target)
        return 0;
    // A pixel is recoloured when it is pushed, so it is never pushed twice: the stack holds
    // at most one entry per pixel.
    std::vector<QPoint> pending{seed};
    pixel(seed.x(), seed.y()) = replacement;
    int changed = 1;
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        const QPoint neighbours[] = {
            {p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}};
        for (const QPoint& n : neighbours) {
            if (n.x() < 0 || n.y() < 0 || n.x() >= w || n.y() >= h)
                continue;
            QRgb& c = pixel(n.x(), n.y());
            if (c != target)
                continue;
            c = replacement;
            ++changed;
            pending.push_back(n);
        }
    }
    return changed;
}
