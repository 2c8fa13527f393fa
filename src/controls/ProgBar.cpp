#include "controls/ProgBar.h"

#include <QPainter>

// Placeholder implementation: stores the properties; the drawing comes with the gauge itself.

TProgBar::TProgBar(QWidget* parent) : QWidget(parent)
{
    resize(300, 28);
    RebuildColorMap();
}

#define PROGBAR_SETTER(name, member, type)      \
    void TProgBar::name(type v)                 \
    {                                           \
        member = v;                             \
        Changed();                              \
    }
PROGBAR_SETTER(setColorBackGnd, colorBackGnd_, TColor)
PROGBAR_SETTER(setColorMapMode, colorMapMode_, TColorMapping)
PROGBAR_SETTER(setColorGrid, colorGrid_, TColor)
PROGBAR_SETTER(setColorMargin, colorMargin_, TColor)
PROGBAR_SETTER(setColorScheme, colorScheme_, TColorScheme)
PROGBAR_SETTER(setFrameStyleOuter, frameStyleOuter_, TFrameStyle)
PROGBAR_SETTER(setFrameStyleInner, frameStyleInner_, TFrameStyle)
PROGBAR_SETTER(setGridDist, gridDist_, int)
PROGBAR_SETTER(setMarginBottom, marginBottom_, int)
PROGBAR_SETTER(setMarginLeft, marginLeft_, int)
PROGBAR_SETTER(setMarginRight, marginRight_, int)
PROGBAR_SETTER(setMarginTop, marginTop_, int)
PROGBAR_SETTER(setMax, max_, double)
PROGBAR_SETTER(setMin, min_, double)
PROGBAR_SETTER(setDirection, direction_, TProgBarDirection)
PROGBAR_SETTER(setShowColorGradient, showColorGradient_, bool)
PROGBAR_SETTER(setTextAlignment, textAlignment_, TAlignment)
PROGBAR_SETTER(setTextAngle, textAngle_, int)
PROGBAR_SETTER(setTextDecPlaces, textDecPlaces_, int)
PROGBAR_SETTER(setTextPosX, textPosX_, int)
PROGBAR_SETTER(setTextPosY, textPosY_, int)
PROGBAR_SETTER(setTextVisible, textVisible_, bool)
PROGBAR_SETTER(setValue, value_, double)
#undef PROGBAR_SETTER

void TProgBar::setBackGroundImg(const QString& fileName)
{
    backGroundImg_ = fileName;
    Changed();
}

void TProgBar::setColorMin(TColor c)
{
    colorMap_[0] = c;
    RebuildColorMap();
    Changed();
}

void TProgBar::setColorMax(TColor c)
{
    colorMap_[1023] = c;
    RebuildColorMap();
    Changed();
}

TColor TProgBar::InterpolateColor(TColor c0, TColor, double)
{
    return c0;
}

void TProgBar::RebuildColorMap() {}

void TProgBar::Changed()
{
    update();
}

QImage TProgBar::Render() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(toQColor(colorBackGnd_));
    return image;
}

void TProgBar::paintEvent(QPaintEvent*)
{
    ++paintCount_;
    QPainter(this).drawImage(0, 0, Render());
}
