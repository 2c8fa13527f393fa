#pragma once

#include "window/controls/TColor.h"

#include <QImage>
#include <QWidget>

class RasterCanvas;

struct TShapePen {
    TColor Color = clBlack;
    int Width = 1;  // 0 draws as 1
    bool operator==(const TShapePen& o) const { return Color == o.Color && Width == o.Width; }
};

struct TShapeBrush {
    TColor Color = clWhite;
    bool operator==(const TShapeBrush& o) const { return Color == o.Color; }
};

// A graphic control that paints a shape with an optional drop shadow. Pixels the shape does
// not cover stay transparent.
class TCustomShape : public QWidget {
    Q_OBJECT
public:
    explicit TCustomShape(QWidget* parent = nullptr);

    const TShapePen& Pen() const { return pen_; }
    void setPen(const TShapePen& pen);
    const TShapeBrush& Brush() const { return brush_; }
    void setBrush(const TShapeBrush& brush);
    bool Shadow() const { return shadow_; }
    void setShadow(bool on);
    unsigned ShadowOffset() const { return shadowOffset_; }
    void setShadowOffset(unsigned px);
    TColor ShadowColor() const { return shadowColor_; }
    void setShadowColor(TColor c);

    // The control as painted, in an image of its size.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void DrawShadow(RasterCanvas& canvas) const = 0;
    virtual void DrawShape(RasterCanvas& canvas) const = 0;

    // The offset as a pixel count that stays within int arithmetic.
    int Offset() const;

    TShapePen pen_;
    TShapeBrush brush_;
    bool shadow_ = true;
    unsigned shadowOffset_ = 2;
    TColor shadowColor_ = clBtnShadow;
};

// A rectangle; with a shadow it shrinks by the offset and its shadow shows to the right and
// below.
class TRectShape : public TCustomShape {
    Q_OBJECT
public:
    explicit TRectShape(QWidget* parent = nullptr);

protected:
    void DrawShadow(RasterCanvas& canvas) const override;
    void DrawShape(RasterCanvas& canvas) const override;

private:
    // Width and height of the drawn rectangle (and of its shadow).
    QSize RectSize() const;
};
