#include "controls/ALed.h"

#include <QPainter>
#include <QTimer>

// Placeholder implementation: stores the properties; pictures and blinking come with the LED.

TALed::TALed(QWidget* parent) : QWidget(parent)
{
    resize(16, 16);
}

TALed::~TALed() = default;

void TALed::setTrueColor(TColor c) { trueColor_ = c; }
void TALed::setFalseColor(TColor c) { falseColor_ = c; }
void TALed::setBorderColor(TColor c) { borderColor_ = c; }
void TALed::setBlink(bool on) { blink_ = on; }
void TALed::setBordered(bool on) { bordered_ = on; }
void TALed::setValue(bool on) { value_ = on; update(); }
void TALed::setInterval(int ms) { interval_ = ms; }
void TALed::setLEDStyle(TLEDStyle style) { style_ = style; }
void TALed::BlinkTick() { phaseOn_ = !phaseOn_; }
void TALed::RebuildPictures() {}
void TALed::StartBlinking() {}
void TALed::StopBlinking() {}

void TALed::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), toQColor(value_ ? trueColor_ : falseColor_));
}
