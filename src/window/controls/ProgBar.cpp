#include "window/controls/ProgBar.h"

#include <QAccessible>
#include <QEvent>

#include <algorithm>

TProgBar::TProgBar(QWidget* parent) : QWidget(parent)
{
    // Paint covers every pixel (the margin first): what lies behind need not be painted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(300, 28);
    FillColorMap(colorMap_, clBlue, clRed);
}

// Stores a drawn property and repaints.
#define PROGBAR_SETTER(name, member, type)                                                         \
    void TProgBar::name(type v)                                                                    \
    {                                                                                              \
        member = v;                                                                                \
        Changed();                                                                                 \
    }
PROGBAR_SETTER(setColorBackGnd, colorBackGnd_, TColor)
PROGBAR_SETTER(setColorMapMode, colorMapMode_, TColorMapping)
PROGBAR_SETTER(setColorGrid, colorGrid_, TColor)
PROGBAR_SETTER(setColorMargin, colorMargin_, TColor)
PROGBAR_SETTER(setFrameStyleOuter, frameStyleOuter_, TFrameStyle)
PROGBAR_SETTER(setFrameStyleInner, frameStyleInner_, TFrameStyle)
PROGBAR_SETTER(setGridDist, gridDist_, int)
PROGBAR_SETTER(setMarginBottom, marginBottom_, int)
PROGBAR_SETTER(setMarginLeft, marginLeft_, int)
PROGBAR_SETTER(setMarginRight, marginRight_, int)
PROGBAR_SETTER(setMarginTop, marginTop_, int)
PROGBAR_SETTER(setDirection, direction_, TProgBarDirection)
PROGBAR_SETTER(setShowColorGradient, showColorGradient_, bool)
PROGBAR_SETTER(setTextAlignment, textAlignment_, TAlignment)
PROGBAR_SETTER(setTextVisible, textVisible_, bool)
#undef PROGBAR_SETTER

// Value and range repaint only when they change: the status poll sets them every second.
#define PROGBAR_VALUE_SETTER(name, member)                                                         \
    void TProgBar::name(double v)                                                                  \
    {                                                                                              \
        if (v == member)                                                                           \
            return;                                                                                \
        member = v;                                                                                \
        Changed();                                                                                 \
        AnnounceValue();                                                                           \
    }
PROGBAR_VALUE_SETTER(setMax, max_)
PROGBAR_VALUE_SETTER(setMin, min_)
PROGBAR_VALUE_SETTER(setValue, value_)
#undef PROGBAR_VALUE_SETTER

void TProgBar::setTextAngle(int degrees)
{
    textAngle_ = std::clamp(degrees, 0, 360);
    Changed();
}

void TProgBar::setTextDecPlaces(int places)
{
    textDecPlaces_ = std::clamp(places, -2, 10);
    Changed();
}

void TProgBar::setTextPosX(int x)
{
    textPosX_ = std::clamp(x, 0, width());
    Changed();
}

void TProgBar::setTextPosY(int y)
{
    textPosY_ = std::clamp(y, 0, height());
    Changed();
}

void TProgBar::setColorScheme(TColorScheme s)
{
    colorScheme_ = s;
    frameShadow_ = s == csBWG ? clGray : clBtnShadow;
    frameLight_ = s == csBWG ? clWhite : clBtnHighlight;
    Changed();
}

// The status poll sets both colours every second: only a change repaints.
void TProgBar::setColorMin(TColor c)
{
    if (c == colorMap_[0])
        return;
    FillColorMap(colorMap_, c, colorMap_[ColorMapLast]);
    Changed();
}

void TProgBar::setColorMax(TColor c)
{
    if (c == colorMap_[ColorMapLast])
        return;
    FillColorMap(colorMap_, colorMap_[0], c);
    Changed();
}

void TProgBar::setColorRange(TColor min, TColor max)
{
    if (min == colorMap_[0] && max == colorMap_[ColorMapLast])
        return;
    FillColorMap(colorMap_, min, max);
    Changed();
}

TColor TProgBar::FontColor() const
{
    return fromQColor(palette().color(QPalette::WindowText));
}

void TProgBar::setFontColor(TColor c)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(c));
    setPalette(p);  // repaints through changeEvent
}

bool TProgBar::setBackGroundImg(const QString& fileName)
{
    if (!fileName.isEmpty()) {
        QImage loaded;
        if (!loaded.load(fileName))
            return false;
        backGround_ = loaded.convertToFormat(QImage::Format_RGB32);
    }
    backGroundImg_ = fileName;
    Changed();
    return true;
}

TColor TProgBar::InterpolateColor(TColor c0, TColor c1, double t)
{
    return InterpolateColors(c0, c1, t);
}

TColor TProgBar::ColorMapEntry(int index) const
{
    return colorMap_[size_t(std::clamp(index, 0, ColorMapLast))];
}

void TProgBar::Changed()
{
    ++repaintCount_;
    if (isVisible())
        repaint();
}

void TProgBar::AnnounceValue()
{
    QAccessibleValueChangeEvent event(this, value_);
    QAccessible::updateAccessibility(&event);
}

void TProgBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        Changed();
    QWidget::changeEvent(event);
}
