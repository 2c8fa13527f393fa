#pragma once

#include "controls/TColor.h"

#include <QImage>
#include <QWidget>

struct TShapePen {
    TColor Color = clBlack;
    int Width = 1;
};

struct TShapeBrush {
    TColor Color = clWhite;
};

// A graphic control that paints a shape with an optional drop shadow.
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

    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    virtual void DrawShadow(QImage& image) const = 0;
    virtual void DrawShape(QImage& image) const = 0;

    TShapePen pen_;
    TShapeBrush brush_;
    bool shadow_ = true;
    unsigned shadowOffset_ = 2;
    TColor shadowColor_ = clBtnShadow;
};

class TRectShape : public TCustomShape {
    Q_OBJECT
public:
    explicit TRectShape(QWidget* parent = nullptr);

protected:
    void DrawShadow(QImage& image) const override;
    void DrawShape(QImage& image) const override;
};
