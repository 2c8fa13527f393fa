#include "window/controls/Shapes.h"

#include "window/controls/RasterCanvas.h"

#include <QPainter>

#include <algorithm>
#include <climits>

namespace {

// A rectangle of the given size filled with the brush colour and outlined with a pen of the
// given width centred on its edges (the edges are its first and last rows and columns).
void PenRectangle(RasterCanvas& canvas, QPoint origin, QSize size, int penWidth, TColor pen,
                  TColor brush)
{
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const int x1 = origin.x(), y1 = origin.y();
    const int x2 = x1 + size.width(), y2 = y1 + size.height();
    canvas.fillRect(x1, y1, x2, y2, brush);
    const int w = std::max(penWidth, 1), before = w / 2;
    const int left = x1 - before, right = x2 - 1 - before + w;
    canvas.fillRect(left, y1 - before, right, y1 - before + w, pen);                       // top
    canvas.fillRect(left, y2 - 1 - before, right, y2 - 1 - before + w, pen);               // bottom
    canvas.fillRect(x1 - before, y1 - before, x1 - before + w, y2 - 1 - before + w, pen);  // left
    canvas.fillRect(x2 - 1 - before, y1 - before, x2 - 1 - before + w, y2 - 1 - before + w,
                    pen);  // right
}

}  // namespace

TCustomShape::TCustomShape(QWidget* parent) : QWidget(parent)
{
    resize(65, 65);
}

void TCustomShape::setPen(const TShapePen& pen)
{
    pen_ = pen;
    update();
}

void TCustomShape::setBrush(const TShapeBrush& brush)
{
    brush_ = brush;
    update();
}

void TCustomShape::setShadow(bool on)
{
    if (on == shadow_)
        return;
    shadow_ = on;
    update();
}

void TCustomShape::setShadowOffset(unsigned px)
{
    if (px == shadowOffset_)
        return;
    shadowOffset_ = px;
    update();
}

void TCustomShape::setShadowColor(TColor c)
{
    if (c == shadowColor_)
        return;
    shadowColor_ = c;
    update();
}

int TCustomShape::Offset() const
{
    return int(std::min(shadowOffset_, unsigned(INT_MAX / 2)));
}

QImage TCustomShape::Render() const
{
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    RasterCanvas canvas(image);
    if (shadow_)
        DrawShadow(canvas);
    DrawShape(canvas);
    return image;
}

void TCustomShape::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, Render());
}

TRectShape::TRectShape(QWidget* parent) : TCustomShape(parent) {}

QSize TRectShape::RectSize() const
{
    const qint64 p = std::max(pen_.Width, 0);
    const qint64 shrink = (shadow_ ? Offset() : 0) + p - 1 + (p == 0 ? 1 : 0);
    const auto side = [shrink](int extent) { return int(std::max<qint64>(extent - shrink, 0)); };
    return QSize(side(width()), side(height()));
}

void TRectShape::DrawShadow(RasterCanvas& canvas) const
{
    const int at = Offset() + std::max(pen_.Width, 0) / 2;
    PenRectangle(canvas, QPoint(at, at), RectSize(), pen_.Width, shadowColor_, shadowColor_);
}

void TRectShape::DrawShape(RasterCanvas& canvas) const
{
    const int at = std::max(pen_.Width, 0) / 2;
    PenRectangle(canvas, QPoint(at, at), RectSize(), pen_.Width, pen_.Color, brush_.Color);
}
