#pragma once

#include "window/controls/TColor.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

enum TLEDStyle { LEDSmall, LEDLarge, LEDSqSmall, LEDSqLarge, LEDVertical, LEDHorizontal };

// An LED indicator: an on and an off picture recoloured from the LED pictures, optionally
// blinking while on. The style fixes the size.
class TALed : public QWidget {
    Q_OBJECT
public:
    explicit TALed(QWidget* parent = nullptr);
    ~TALed() override;

    TColor TrueColor() const { return trueColor_; }
    void setTrueColor(TColor c);
    TColor FalseColor() const { return falseColor_; }
    void setFalseColor(TColor c);
    TColor BorderColor() const { return borderColor_; }
    void setBorderColor(TColor c);
    bool Blink() const { return blink_; }
    void setBlink(bool on);
    bool Bordered() const { return bordered_; }
    void setBordered(bool on);
    bool Value() const { return value_; }
    void setValue(bool on);
    int Interval() const { return interval_; }
    // The blink half-period in ms. A negative period is refused (returns false); 0 keeps a
    // blinking LED on without toggling.
    bool setInterval(int ms);
    TLEDStyle LEDStyle() const { return style_; }
    void setLEDStyle(TLEDStyle style);

    // Called after every blink toggle.
    std::function<void(QObject* sender)> OnTimer;
    std::function<void(QObject* sender)> OnMouseEnter;
    std::function<void(QObject* sender)> OnMouseLeave;
    std::function<void(QObject* sender)> OnClick;

    // The resource name of the picture of a style ("BSM", "NSM", ...).
    static QString PictureName(TLEDStyle style, bool bordered);
    // The size a style gives the control.
    static QSize StyleSize(TLEDStyle style);

    bool IsBlinking() const { return timer_ != nullptr; }
    bool PhaseOn() const { return phaseOn_; }
    // One blink half-period elapsed (what the blink timer calls); nothing while not blinking.
    void BlinkTick();
    const QImage& OnPicture() const { return onPicture_; }
    const QImage& OffPicture() const { return offPicture_; }
    // The control as painted: the current phase's picture stretched over the control.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void RebuildPictures();
    void StartBlinking();
    void StopBlinking();
    void ShowSteadyState();
    void ChangeColor(TColor& member, TColor c);
    void RepaintNow();

    TColor trueColor_ = clLime;
    TColor falseColor_ = clSilver;
    TColor borderColor_ = clBtnFace;
    bool blink_ = true;
    bool bordered_ = true;
    bool value_ = false;
    int interval_ = 1000;
    TLEDStyle style_ = LEDSmall;
    bool phaseOn_ = false;
    QImage onPicture_;
    QImage offPicture_;
    std::unique_ptr<QTimer> timer_;
};
