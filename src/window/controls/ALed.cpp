#include "window/controls/ALed.h"

#include "window/controls/FloodFill.h"
#include "window/controls/Pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

// The pictures paint the LED body in pure lime and, without a border, the surround in silver;
// both are flood-filled with the control's colours.
constexpr QRgb BodyPixel = toQRgb(clLime);
constexpr QRgb SurroundPixel = toQRgb(clSilver);

struct StyleInfo {
    int width, height;
    const char* bordered;
    const char* unbordered;
};

constexpr StyleInfo Styles[] = {
    {16, 16, "BSM", "NSM"},     {22, 22, "BLG", "NLG"}, {16, 16, "BSQSM", "NSQSM"},
    {22, 22, "BSQLG", "NSQLG"}, {16, 22, "BVT", "NVT"}, {22, 16, "BHZ", "NHZ"},
};

const StyleInfo& Info(TLEDStyle style)
{
    return Styles[std::clamp(int(style), 0, int(std::size(Styles)) - 1)];
}

}  // namespace

TALed::TALed(QWidget* parent) : QWidget(parent)
{
    InitPictureResources();
    RebuildPictures();
}

TALed::~TALed() = default;

QString TALed::PictureName(TLEDStyle style, bool bordered)
{
    return QString::fromLatin1(bordered ? Info(style).bordered : Info(style).unbordered);
}

QSize TALed::StyleSize(TLEDStyle style)
{
    return QSize(Info(style).width, Info(style).height);
}

void TALed::RebuildPictures()
{
    setFixedSize(StyleSize(style_));
    // A missing picture leaves an empty one: nothing is drawn. A screen of a higher scale gets
    // the 2x picture, painted over the same place.
    const QString scale = devicePixelRatioF() > 1.0 ? QStringLiteral("@2x") : QString();
    const QImage source =
        QImage(QStringLiteral(":/led/%1%2.png").arg(PictureName(style_, bordered_), scale))
            .convertToFormat(QImage::Format_ARGB32);
    onPicture_ = source.copy();
    offPicture_ = source.copy();
    const QPoint centre(source.width() / 2, source.height() / 2);
    FloodFill(onPicture_, centre, BodyPixel, toQRgb(trueColor_));
    FloodFill(offPicture_, centre, BodyPixel, toQRgb(falseColor_));
    if (!bordered_) {
        FloodFill(onPicture_, QPoint(0, 0), SurroundPixel, toQRgb(borderColor_));
        FloodFill(offPicture_, QPoint(0, 0), SurroundPixel, toQRgb(borderColor_));
    }
}

void TALed::RepaintNow()
{
    if (isVisible())
        repaint();
}

void TALed::setValue(bool on)
{
    if (on == value_)
        return;
    value_ = on;
    if (on) {
        phaseOn_ = true;
        RepaintNow();
        if (blink_)
            StartBlinking();
    } else {
        StopBlinking();
        phaseOn_ = false;
        RepaintNow();
    }
}

void TALed::StartBlinking()
{
    if (timer_)
        return;
    phaseOn_ = true;
    timer_ = std::make_unique<QTimer>();
    connect(timer_.get(), &QTimer::timeout, this, &TALed::BlinkTick);
    // As with the platform's message-loop timers, a period of 0 never fires.
    if (interval_ > 0)
        timer_->start(interval_);
}

void TALed::StopBlinking()
{
    timer_.reset();
}

void TALed::BlinkTick()
{
    if (!timer_)
        return;
    phaseOn_ = !phaseOn_;
    RepaintNow();
    if (OnTimer)
        OnTimer(this);
}

void TALed::ShowSteadyState()
{
    phaseOn_ = value_;
    RepaintNow();
}

void TALed::setBlink(bool on)
{
    if (on == blink_)
        return;
    ShowSteadyState();
    blink_ = on;
    if (blink_ && value_)
        StartBlinking();
    else
        StopBlinking();
}

bool TALed::setInterval(int ms)
{
    if (ms < 0)
        return false;
    interval_ = ms;
    if (timer_) {
        if (ms > 0)
            timer_->start(ms);
        else
            timer_->stop();
    }
    return true;
}

void TALed::ChangeColor(TColor& member, TColor c)
{
    if (c == member)
        return;
    const bool wasBlinking = blink_;
    if (wasBlinking)
        setBlink(false);
    member = c;
    RebuildPictures();
    setBlink(wasBlinking);
    RepaintNow();
}

void TALed::setTrueColor(TColor c)
{
    ChangeColor(trueColor_, c);
}
void TALed::setFalseColor(TColor c)
{
    ChangeColor(falseColor_, c);
}
void TALed::setBorderColor(TColor c)
{
    ChangeColor(borderColor_, c);
}

void TALed::setBordered(bool on)
{
    if (on == bordered_)
        return;
    bordered_ = on;
    RebuildPictures();
    RepaintNow();
}

void TALed::setLEDStyle(TLEDStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    RebuildPictures();
    RepaintNow();
}

QImage TALed::Render() const
{
    QImage image(size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QImage& picture = phaseOn_ ? onPicture_ : offPicture_;
    if (!picture.isNull())
        QPainter(&image).drawImage(image.rect(), picture);
    return image;
}

void TALed::paintEvent(QPaintEvent*)
{
    const QImage& picture = phaseOn_ ? onPicture_ : offPicture_;
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);  // the 2x picture at 1.5x
    painter.drawImage(rect(), picture);
}

void TALed::enterEvent(QEnterEvent* event)
{
    if (OnMouseEnter)
        OnMouseEnter(this);
    QWidget::enterEvent(event);
}

void TALed::leaveEvent(QEvent* event)
{
    if (OnMouseLeave)
        OnMouseLeave(this);
    QWidget::leaveEvent(event);
}

void TALed::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick(this);
    QWidget::mouseReleaseEvent(event);
}
