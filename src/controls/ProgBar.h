#pragma once

#include "controls/TColor.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

enum TColorMapping { cgmCover, cgmStretch, cgmMove };
enum TColorScheme { csBWG, csSystem };
enum TFrameStyle { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
enum TProgBarDirection { pbdUpward, pbdDownward, pbdLeftward, pbdRightward };

// A bar gauge: a value shown as a filled bar in a framed, margined area, solid or coloured
// from a 1024-entry colour map, with an optional grid and an optional rotated value text.
class TProgBar : public QWidget {
    Q_OBJECT
public:
    explicit TProgBar(QWidget* parent = nullptr);

    QString BackGroundImg() const { return backGroundImg_; }
    void setBackGroundImg(const QString& fileName);
    TColor ColorBackGnd() const { return colorBackGnd_; }
    void setColorBackGnd(TColor c);
    TColorMapping ColorMapMode() const { return colorMapMode_; }
    void setColorMapMode(TColorMapping m);
    TColor ColorGrid() const { return colorGrid_; }
    void setColorGrid(TColor c);
    TColor ColorMargin() const { return colorMargin_; }
    void setColorMargin(TColor c);
    TColorScheme ColorScheme() const { return colorScheme_; }
    void setColorScheme(TColorScheme s);
    TColor ColorMin() const { return colorMap_[0]; }
    void setColorMin(TColor c);
    TColor ColorMax() const { return colorMap_[1023]; }
    void setColorMax(TColor c);
    TFrameStyle FrameStyleOuter() const { return frameStyleOuter_; }
    void setFrameStyleOuter(TFrameStyle s);
    TFrameStyle FrameStyleInner() const { return frameStyleInner_; }
    void setFrameStyleInner(TFrameStyle s);
    int GridDist() const { return gridDist_; }
    void setGridDist(int d);
    int MarginBottom() const { return marginBottom_; }
    void setMarginBottom(int m);
    int MarginLeft() const { return marginLeft_; }
    void setMarginLeft(int m);
    int MarginRight() const { return marginRight_; }
    void setMarginRight(int m);
    int MarginTop() const { return marginTop_; }
    void setMarginTop(int m);
    double Max() const { return max_; }
    void setMax(double v);
    double Min() const { return min_; }
    void setMin(double v);
    TProgBarDirection Direction() const { return direction_; }
    void setDirection(TProgBarDirection d);
    bool ShowColorGradient() const { return showColorGradient_; }
    void setShowColorGradient(bool on);
    TAlignment TextAlignment() const { return textAlignment_; }
    void setTextAlignment(TAlignment a);
    int TextAngle() const { return textAngle_; }
    void setTextAngle(int degrees);
    int TextDecPlaces() const { return textDecPlaces_; }
    void setTextDecPlaces(int places);
    int TextPosX() const { return textPosX_; }
    void setTextPosX(int x);
    int TextPosY() const { return textPosY_; }
    void setTextPosY(int y);
    bool TextVisible() const { return textVisible_; }
    void setTextVisible(bool on);
    double Value() const { return value_; }
    void setValue(double v);

    std::function<void(QObject* sender, QString& text)> OnShowValue;

    // Interpolates two colours channel by channel; t is clamped to 0 .. 1 (NaN counts as 0).
    static TColor InterpolateColor(TColor c0, TColor c1, double t);
    // Draws the whole control as it would appear, into an image of the control's size.
    QImage Render() const;
    int PaintCount() const { return paintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RebuildColorMap();
    void Changed();

    QString backGroundImg_;
    QImage backGround_;
    TColor colorBackGnd_ = clSilver;
    TColorMapping colorMapMode_ = cgmStretch;
    TColor colorGrid_ = clBlack;
    TColor colorMargin_ = clSilver;
    TColorScheme colorScheme_ = csBWG;
    TColor frameShadow_ = 0x808080;
    TColor frameLight_ = 0xFFFFFF;
    std::array<TColor, 1024> colorMap_{};
    TFrameStyle frameStyleOuter_ = fsRaised;
    TFrameStyle frameStyleInner_ = fsLowered;
    int gridDist_ = 0;
    int marginBottom_ = 4, marginLeft_ = 4, marginRight_ = 4, marginTop_ = 4;
    double max_ = 100.0;
    double min_ = 0.0;
    TProgBarDirection direction_ = pbdRightward;
    bool showColorGradient_ = false;
    TAlignment textAlignment_ = taCenter;
    int textAngle_ = 0;
    int textDecPlaces_ = 0;
    int textPosX_ = 10, textPosY_ = 10;
    bool textVisible_ = true;
    double value_ = 10.0;
    int paintCount_ = 0;
};
