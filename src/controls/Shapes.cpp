#include "controls/Shapes.h"

#include <QPainter>

// Placeholder implementation: the painting rules come with the shape itself.

TCustomShape::TCustomShape(QWidget* parent) : QWidget(parent)
{
    resize(65, 65);
}

void TCustomShape::setPen(const TShapePen& pen) { pen_ = pen; update(); }
void TCustomShape::setBrush(const TShapeBrush& brush) { brush_ = brush; update(); }
void TCustomShape::setShadow(bool on) { shadow_ = on; update(); }
void TCustomShape::setShadowOffset(unsigned px) { shadowOffset_ = px; update(); }
void TCustomShape::setShadowColor(TColor c) { shadowColor_ = c; update(); }

QImage TCustomShape::Render() const
{
    QImage image(size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (shadow_)
        DrawShadow(image);
    DrawShape(image);
    return image;
}

void TCustomShape::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, Render());
}

TRectShape::TRectShape(QWidget* parent) : TCustomShape(parent) {}
void TRectShape::DrawShadow(QImage&) const {}
void TRectShape::DrawShape(QImage&) const {}
