#pragma once

#include "window/controls/ColorMap.h"
#include "window/controls/TColor.h"

#include <QImage>
#include <QWidget>

#include <functional>

class RasterCanvas;

enum TColorMapping { cgmCover, cgmStretch, cgmMove };
enum TColorScheme { csBWG, csSystem };
enum TFrameStyle { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
enum TProgBarDirection { pbdUpward, pbdDownward, pbdLeftward, pbdRightward };

// A bar gauge: a value shown as a filled bar in a framed, margined area, solid or coloured
// from a 1024-entry colour map, with an optional grid and an optional rotated value text.
// Every change of a drawn property repaints at once; the text colour is the palette's
// WindowText colour (setFontColor).
class TProgBar : public QWidget {
    Q_OBJECT
public:
    explicit TProgBar(QWidget* parent = nullptr);

    QString BackGroundImg() const { return backGroundImg_; }
    // Loads the picture drawn stretched behind the bar; an empty name removes it. Returns
    // false, keeping the previous picture and name, when the file cannot be loaded.
    bool setBackGroundImg(const QString& fileName);
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
    TColor ColorMax() const { return colorMap_[ColorMapLast]; }
    void setColorMax(TColor c);
    // Both ends at once: one colour map and one repaint where two setters make two.
    void setColorRange(TColor min, TColor max);
    TColor FontColor() const;
    void setFontColor(TColor c);
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
    // Clamped to 0 .. 360 degrees.
    void setTextAngle(int degrees);
    int TextDecPlaces() const { return textDecPlaces_; }
    // Clamped to -2 .. 10; negative values select exponent notation.
    void setTextDecPlaces(int places);
    int TextPosX() const { return textPosX_; }
    // Clamped to 0 .. the current width.
    void setTextPosX(int x);
    int TextPosY() const { return textPosY_; }
    // Clamped to 0 .. the current height.
    void setTextPosY(int y);
    bool TextVisible() const { return textVisible_; }
    void setTextVisible(bool on);
    double Value() const { return value_; }
    void setValue(double v);

    // Called with the formatted value text before it is drawn; may change it.
    std::function<void(QObject* sender, QString& text)> OnShowValue;

    // Interpolates two colours channel by channel; t is clamped to 0 .. 1 (NaN counts as 0).
    static TColor InterpolateColor(TColor c0, TColor c1, double t);
    // Entry of the colour map; the index is clamped to 0 .. 1023.
    TColor ColorMapEntry(int index) const;
    // Draws the whole control, as it appears on screen, into an image of the control's size.
    QImage Render();
    // How many repaints property changes have asked for (each one paints at once when the
    // control is visible).
    int RepaintCount() const { return repaintCount_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Area {
        int left, top, right, bottom;
    };
    struct Bar {
        Area rect;
        int length;      // extent in the growth direction
        int fullLength;  // the inner area's extent in that direction
    };

    void Changed();
    // Tells a screen reader that the value or its range changed.
    void AnnounceValue();
    Bar BarGeometry(const Area& inner) const;
    int ColorIndex(int stripe, const Bar& bar) const;
    void DrawBackground(QImage& image, const Area& inner) const;
    void DrawBar(RasterCanvas& canvas, const Area& inner) const;
    void DrawStripes(RasterCanvas& canvas, const Bar& bar) const;
    void DrawGrid(RasterCanvas& canvas, const Area& inner, const Bar& bar) const;
    void DrawFrame(RasterCanvas& canvas, TFrameStyle style, const Area& r) const;
    void DrawBevel(RasterCanvas& canvas, const Area& r, TColor topLeft, TColor bottomRight) const;
    void DrawEtched(RasterCanvas& canvas, const Area& r, TColor outer, TColor inner) const;
    void DrawValueText(QImage& image);

    QString backGroundImg_;
    QImage backGround_;
    TColor colorBackGnd_ = clSilver;
    TColorMapping colorMapMode_ = cgmStretch;
    TColor colorGrid_ = clBlack;
    TColor colorMargin_ = clSilver;
    TColorScheme colorScheme_ = csBWG;
    TColor frameShadow_ = 0x808080;
    TColor frameLight_ = 0xFFFFFF;
    ColorMap colorMap_{};
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
    int repaintCount_ = 0;
};
