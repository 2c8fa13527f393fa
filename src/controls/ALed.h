#pragma once

#include "controls/TColor.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QTimer;

enum TLEDStyle { LEDSmall, LEDLarge, LEDSqSmall, LEDSqLarge, LEDVertical, LEDHorizontal };

// An LED indicator: an on and an off picture recoloured from the LED pictures, optionally
// blinking while on.
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
    void setInterval(int ms);
    TLEDStyle LEDStyle() const { return style_; }
    void setLEDStyle(TLEDStyle style);

    std::function<void(QObject* sender)> OnTimer;

    bool IsBlinking() const { return timer_ != nullptr; }
    bool PhaseOn() const { return phaseOn_; }
    // One blink period elapsed (what the blink timer calls).
    void BlinkTick();
    const QImage& OnPicture() const { return onPicture_; }
    const QImage& OffPicture() const { return offPicture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RebuildPictures();
    void StartBlinking();
    void StopBlinking();

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
