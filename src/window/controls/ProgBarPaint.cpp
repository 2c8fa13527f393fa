// Drawing of the bar gauge: margin, background, bar, grid, frames and value text, in this
// order, on an off-screen image that the paint event copies in one go.
#include "window/controls/GaugeText.h"
#include "window/controls/ProgBar.h"
#include "window/controls/RasterCanvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

QImage TProgBar::Render()
{
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    RasterCanvas canvas(image);
    const int w = width(), h = height();
    const Area inner{marginLeft_, marginTop_, w - marginRight_, h - marginBottom_};

    canvas.fillRect(0, 0, w, h, colorMargin_);
    canvas.fillRect(inner.left, inner.top, inner.right, inner.bottom, colorBackGnd_);
    if (!backGroundImg_.isEmpty())
        DrawBackground(image, inner);
    DrawBar(canvas, inner);
    DrawFrame(canvas, frameStyleInner_, inner);
    DrawFrame(canvas, frameStyleOuter_, Area{0, 0, w, h});
    if (textVisible_)
        DrawValueText(image);
    return image;
}

void TProgBar::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, Render());
}

void TProgBar::DrawBackground(QImage& image, const Area& inner) const
{
    if (inner.right <= inner.left || inner.bottom <= inner.top || backGround_.isNull())
        return;
    QPainter p(&image);
    p.drawImage(QRect(inner.left, inner.top, inner.right - inner.left, inner.bottom - inner.top),
                backGround_);
}

TProgBar::Bar TProgBar::BarGeometry(const Area& inner) const
{
    const bool vertical = direction_ == pbdUpward || direction_ == pbdDownward;
    const int full = std::max(vertical ? inner.bottom - inner.top : inner.right - inner.left, 0);
    // The bar stays inside the inner area for values outside Min .. Max and for Max = Min.
    const double wanted = Nearest(full * (value_ / (max_ - min_)));
    const int length = wanted > 0 ? int(std::min(wanted, double(full))) : 0;
    Area r = inner;
    switch (direction_) {
    case pbdUpward: r.top = inner.bottom - length; break;
    case pbdDownward: r.bottom = inner.top + length; break;
    case pbdLeftward: r.left = inner.right - length; break;
    case pbdRightward: r.right = inner.left + length; break;
    }
    return Bar{r, length, full};
}

int TProgBar::ColorIndex(int stripe, const Bar& bar) const
{
    const double s = bar.fullLength, n = bar.length;
    double k = 0;
    switch (colorMapMode_) {
    case cgmCover: k = Nearest(stripe * double(ColorMapLast) / s); break;
    case cgmStretch: k = Nearest(stripe * double(ColorMapLast) / n); break;
    case cgmMove:
        k = Nearest(stripe * double(ColorMapLast) / s) + ColorMapLast -
            Nearest((n - 1) * ColorMapLast / s);
        break;
    }
    return int(std::clamp(k, 0.0, double(ColorMapLast)));
}

void TProgBar::DrawBar(RasterCanvas& canvas, const Area& inner) const
{
    const Bar bar = BarGeometry(inner);
    if (showColorGradient_)
        DrawStripes(canvas, bar);
    else
        canvas.fillRect(bar.rect.left, bar.rect.top, bar.rect.right, bar.rect.bottom, colorMap_[0]);
    if (gridDist_ > 1)
        DrawGrid(canvas, inner, bar);
}

void TProgBar::DrawStripes(RasterCanvas& canvas, const Bar& bar) const
{
    const Area& r = bar.rect;
    for (int i = 0; i < bar.length; ++i) {
        const TColor c = colorMap_[size_t(ColorIndex(i, bar))];
        switch (direction_) {
        case pbdUpward: canvas.fillRect(r.left, r.bottom - 1 - i, r.right, r.bottom - i, c); break;
        case pbdDownward: canvas.fillRect(r.left, r.top + i, r.right, r.top + i + 1, c); break;
        case pbdLeftward: canvas.fillRect(r.right - 1 - i, r.top, r.right - i, r.bottom, c); break;
        case pbdRightward: canvas.fillRect(r.left + i, r.top, r.left + i + 1, r.bottom, c); break;
        }
    }
}

void TProgBar::DrawGrid(RasterCanvas& canvas, const Area& inner, const Bar& bar) const
{
    // 64-bit positions: a huge grid distance must not overflow the loop.
    const long long step = gridDist_;
    const Area& b = bar.rect;
    const TColor c = colorGrid_;
    switch (direction_) {
    case pbdUpward:
        for (long long y = inner.bottom - 1; y >= b.top; y -= step)
            canvas.fillRect(inner.left, int(y), inner.right, int(y) + 1, c);
        break;
    case pbdDownward:
        for (long long y = inner.top; y <= b.bottom; y += step)
            canvas.fillRect(inner.left, int(y), inner.right, int(y) + 1, c);
        break;
    case pbdLeftward:
        for (long long x = inner.right; x >= b.left; x -= step)
            canvas.fillRect(int(x), inner.top, int(x) + 1, inner.bottom, c);
        break;
    case pbdRightward:
        for (long long x = inner.left; x <= b.right; x += step)
            canvas.fillRect(int(x), inner.top, int(x) + 1, inner.bottom, c);
        break;
    }
}

void TProgBar::DrawFrame(RasterCanvas& canvas, TFrameStyle style, const Area& r) const
{
    switch (style) {
    case fsNone: break;
    case fsSimple: canvas.frameRect(r.left, r.top, r.right, r.bottom, frameShadow_); break;
    case fsLowered: DrawBevel(canvas, r, clBlack, frameLight_); break;
    case fsRaised: DrawBevel(canvas, r, frameLight_, clBlack); break;
    case fsEmbossed: DrawEtched(canvas, r, frameShadow_, frameLight_); break;
    case fsEngraved: DrawEtched(canvas, r, frameLight_, frameShadow_); break;
    }
}

void TProgBar::DrawBevel(RasterCanvas& canvas, const Area& r, TColor topLeft,
                         TColor bottomRight) const
{
    const int x1 = r.left, y1 = r.top, x2 = r.right, y2 = r.bottom;
    canvas.polyline({{x1 + 1, y2 - 3}, {x1 + 1, y1 + 1}, {x2 - 1, y1 + 1}}, topLeft);
    canvas.polyline({{x1 + 1, y2 - 1}, {x2 - 1, y2 - 1}, {x2 - 1, y1}}, bottomRight);
    canvas.frameRect(x1, y1, x2 - 1, y2 - 1, frameShadow_);
    canvas.setPixel(x1, y2 - 1, colorMargin_);
    canvas.setPixel(x2 - 1, y1, colorMargin_);
}

void TProgBar::DrawEtched(RasterCanvas& canvas, const Area& r, TColor outer, TColor inner) const
{
    const int x1 = r.left, y1 = r.top, x2 = r.right, y2 = r.bottom;
    canvas.frameRect(x1 + 1, y1 + 1, x2, y2, outer);
    canvas.frameRect(x1, y1, x2 - 1, y2 - 1, inner);
    canvas.setPixel(x1, y2 - 1, colorMargin_);
    canvas.setPixel(x2 - 1, y1, colorMargin_);
}

void TProgBar::DrawValueText(QImage& image)
{
    QString text = FormatGaugeValue(value_, textDecPlaces_);
    if (OnShowValue)
        OnShowValue(this, text);
    const QFontMetrics metrics(font());
    const QPoint offset = GaugeTextOffset(textAlignment_, metrics.horizontalAdvance(text) / 2,
                                          metrics.height() / 2, textAngle_);
    QPainter p(&image);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    p.translate(textPosX_ + offset.x(), textPosY_ + offset.y());
    p.rotate(-textAngle_);  // counter-clockwise on screen
    p.drawText(0, metrics.ascent(), text);
}
