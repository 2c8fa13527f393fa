#include "window/controls/GaugeText.h"
#include "window/controls/ProgBar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr TColor Background = 0x1B192C;

// The main window's battery gauge.
std::unique_ptr<TProgBar> BatteryGauge(double value, TFrameStyle frames = fsRaised)
{
    auto g = std::make_unique<TProgBar>();
    g->resize(67, 22);
    g->setMax(7);
    g->setDirection(pbdLeftward);
    g->setShowColorGradient(true);
    g->setColorMapMode(cgmStretch);
    g->setColorMin(clLime);
    g->setColorMax(clLime);
    g->setColorBackGnd(Background);
    g->setColorGrid(clBlack);
    g->setColorMargin(clBlack);
    g->setGridDist(10);
    g->setMarginLeft(1);
    g->setMarginTop(1);
    g->setMarginRight(1);
    g->setMarginBottom(1);
    g->setFrameStyleOuter(frames);
    g->setFrameStyleInner(frames);
    g->setTextVisible(false);
    g->setValue(value);
    return g;
}

// A plain 300 x 28 gauge: inner area x 4 .. 295, y 4 .. 23, no frames, no text.
std::unique_ptr<TProgBar> GradientGauge(TColorMapping mode, double value)
{
    auto g = std::make_unique<TProgBar>();
    g->setFrameStyleOuter(fsNone);
    g->setFrameStyleInner(fsNone);
    g->setTextVisible(false);
    g->setShowColorGradient(true);
    g->setColorMapMode(mode);
    g->setValue(value);
    return g;
}

TColor At(const QImage& image, int x, int y)
{
    return fromQRgb(image.pixel(x, y));
}

// The colours of row y from x1 to x2 inclusive.
std::vector<TColor> Row(const QImage& image, int y, int x1, int x2)
{
    std::vector<TColor> row;
    for (int x = x1; x <= x2; ++x)
        row.push_back(At(image, x, y));
    return row;
}

}  // namespace

TEST(ProgBar, BatteryGaugeFullFillsTheWholeInnerWidthUnderTheGrid)
{
    const QImage image = BatteryGauge(7, fsNone)->Render();
    for (int y = 1; y <= 20; ++y) {
        for (int x = 1; x <= 65; ++x) {
            const bool gridLine = (66 - x) % 10 == 0;
            ASSERT_EQ(At(image, x, y), gridLine ? clBlack : clLime) << x << "," << y;
        }
    }
    EXPECT_EQ(At(image, 0, 10), clBlack);   // margin
    EXPECT_EQ(At(image, 66, 10), clBlack);  // margin and the grid line at x = 66
}

TEST(ProgBar, BatteryGaugeThreeOfSevenFills28PixelsFromTheRight)
{
    const QImage image = BatteryGauge(3, fsNone)->Render();
    EXPECT_EQ(At(image, 37, 10), Background);
    EXPECT_EQ(At(image, 36, 10), Background) << "no grid line left of the bar";
    for (int x = 38; x <= 65; ++x)
        EXPECT_EQ(At(image, x, 10), (x == 46 || x == 56) ? clBlack : clLime) << x;
}

TEST(ProgBar, BatteryGaugeEmptyDrawsNoBarButBothFrames)
{
    const QImage image = BatteryGauge(0)->Render();
    for (int x = 3; x <= 63; ++x)
        ASSERT_EQ(At(image, x, 10), Background) << x;
    // Outer raised frame: shadow left column and top row, white inside it, black right and
    // bottom, corner pixels in the margin colour.
    EXPECT_EQ(At(image, 0, 10), clGray);
    EXPECT_EQ(At(image, 10, 0), clGray);
    EXPECT_EQ(At(image, 1, 10), clWhite);
    EXPECT_EQ(At(image, 10, 1), clWhite);
    EXPECT_EQ(At(image, 66, 10), clBlack);
    EXPECT_EQ(At(image, 10, 21), clBlack);
    EXPECT_EQ(At(image, 65, 10), clGray);
    EXPECT_EQ(At(image, 66, 0), clBlack);
    // Inner raised frame inside it.
    EXPECT_EQ(At(image, 2, 10), clWhite);
    EXPECT_EQ(At(image, 10, 2), clWhite);
    EXPECT_EQ(At(image, 64, 10), clGray);
    EXPECT_EQ(At(image, 10, 19), clGray);
    EXPECT_EQ(At(image, 10, 20), clGray);  // the outer shadow covers the inner dark line
}

TEST(ProgBar, BatteryGaugeWithFramesKeepsBarAndGridBetweenThem)
{
    const QImage image = BatteryGauge(7)->Render();
    const std::vector<TColor> row = Row(image, 10, 0, 66);
    EXPECT_EQ(row[0], clGray);
    EXPECT_EQ(row[1], clWhite);
    EXPECT_EQ(row[2], clWhite);
    for (int x = 3; x <= 63; ++x)
        EXPECT_EQ(row[size_t(x)], (66 - x) % 10 == 0 ? clBlack : clLime) << x;
    EXPECT_EQ(row[64], clGray);
    EXPECT_EQ(row[65], clGray);
    EXPECT_EQ(row[66], clBlack);
}

TEST(ProgBar, GridOfDistanceOneIsNotDrawn)
{
    auto g = BatteryGauge(7, fsNone);
    g->setGridDist(1);
    const QImage image = g->Render();
    for (int x = 1; x <= 65; ++x)
        ASSERT_EQ(At(image, x, 10), clLime) << x;
}

TEST(ProgBar, ColourMapModes)
{
    // Half of the 292-pixel inner width: a 146-pixel bar from x = 4.
    auto stretch = GradientGauge(cgmStretch, 50);
    QImage image = stretch->Render();
    EXPECT_EQ(At(image, 4, 10), clBlue) << "the fixed end shows ColorMin";
    EXPECT_EQ(At(image, 149, 10), stretch->ColorMapEntry(1016));  // Nearest(145 * 1023 / 146)
    EXPECT_EQ(At(image, 150, 10), clSilver) << "background after the tip";

    auto cover = GradientGauge(cgmCover, 50);
    image = cover->Render();
    EXPECT_EQ(At(image, 4, 10), clBlue);
    EXPECT_EQ(At(image, 149, 10), cover->ColorMapEntry(508));  // Nearest(145 * 1023 / 292)

    auto move = GradientGauge(cgmMove, 50);
    image = move->Render();
    EXPECT_EQ(At(image, 149, 10), clRed) << "the tip shows ColorMax";
    EXPECT_EQ(At(image, 4, 10), move->ColorMapEntry(1023 - 508));
}

TEST(ProgBar, EqualColoursGiveAUniformBarInEveryMode)
{
    for (TColorMapping mode : {cgmCover, cgmStretch, cgmMove}) {
        auto g = GradientGauge(mode, 73);
        g->setColorMin(0x336699);
        g->setColorMax(0x336699);
        const QImage image = g->Render();
        const int tip = 4 + int(Nearest(292 * 0.73)) - 1;
        for (int x = 4; x <= tip; ++x)
            ASSERT_EQ(At(image, x, 12), 0x336699u) << mode << " " << x;
        EXPECT_EQ(At(image, tip + 1, 12), clSilver) << mode;
    }
}

TEST(ProgBar, ValuesOutsideTheRangeStayInsideTheInnerArea)
{
    for (TColorMapping mode : {cgmCover, cgmStretch, cgmMove}) {
        auto over = GradientGauge(mode, 250);
        QImage image = over->Render();
        EXPECT_EQ(At(image, 3, 10), clSilver) << "margin untouched";
        EXPECT_EQ(At(image, 296, 10), clSilver) << "margin untouched";
        // The tip stripe of the full 292-pixel bar.
        EXPECT_EQ(At(image, 295, 10), mode == cgmMove ? clRed : over->ColorMapEntry(1019));

        auto negative = GradientGauge(mode, -30);
        image = negative->Render();
        EXPECT_EQ(At(image, 4, 10), clSilver) << "no bar for a negative value";
        EXPECT_EQ(At(image, 3, 10), clSilver);
    }
    auto emptyRange = GradientGauge(cgmCover, 5);
    emptyRange->setMax(0);
    EXPECT_EQ(At(emptyRange->Render(), 295, 10), emptyRange->ColorMapEntry(1019));
    emptyRange->setValue(0);  // 0 / 0
    EXPECT_EQ(At(emptyRange->Render(), 4, 10), clSilver);
}

TEST(ProgBar, VerticalDirectionsGrowFromTheirFixedEnd)
{
    auto g = std::make_unique<TProgBar>();
    g->resize(20, 100);
    g->setFrameStyleOuter(fsNone);
    g->setFrameStyleInner(fsNone);
    g->setTextVisible(false);
    g->setMarginTop(0);
    g->setMarginBottom(0);
    g->setValue(50);
    g->setGridDist(20);
    g->setColorGrid(clYellow);

    g->setDirection(pbdUpward);
    QImage image = g->Render();
    EXPECT_EQ(At(image, 10, 49), clSilver);
    EXPECT_EQ(At(image, 10, 50), clBlue);
    EXPECT_EQ(At(image, 10, 99), clYellow);  // grid from y = 99 upward: 99, 79, 59
    EXPECT_EQ(At(image, 10, 59), clYellow);
    EXPECT_EQ(At(image, 10, 39), clSilver);

    g->setDirection(pbdDownward);
    image = g->Render();
    EXPECT_EQ(At(image, 10, 49), clBlue);
    EXPECT_EQ(At(image, 10, 51), clSilver);
    EXPECT_EQ(At(image, 10, 0), clYellow);  // grid at y = 0, 20, 40 while y <= 50
    EXPECT_EQ(At(image, 10, 40), clYellow);
    EXPECT_EQ(At(image, 10, 60), clSilver);
}

TEST(ProgBar, ColourInterpolationRoundsHalvesToEven)
{
    EXPECT_EQ(TProgBar::InterpolateColor(0x000000, 0x0000FF, 0.5), 0x000080u);  // 127.5 -> 128
    EXPECT_EQ(TProgBar::InterpolateColor(0x000000, 0x000005, 0.5), 0x000002u);  // 2.5 -> 2
    EXPECT_EQ(TProgBar::InterpolateColor(0x102030, 0xFFFFFF, 2.0), 0xFFFFFFu);
    EXPECT_EQ(TProgBar::InterpolateColor(0x102030, 0xFFFFFF, -1), 0x102030u);
    EXPECT_EQ(TProgBar::InterpolateColor(0x102030, 0xFFFFFF, std::nan("")), 0x102030u);

    TProgBar g;
    EXPECT_EQ(g.ColorMin(), clBlue);
    EXPECT_EQ(g.ColorMax(), clRed);
    g.setColorMax(clLime);
    EXPECT_EQ(g.ColorMapEntry(1023), clLime);
    EXPECT_EQ(g.ColorMapEntry(1), TProgBar::InterpolateColor(clBlue, clLime, 1.0 / 1023));
}

TEST(ProgBar, SettersClampTheirValues)
{
    TProgBar g;  // 300 x 28
    g.setTextDecPlaces(12);
    EXPECT_EQ(g.TextDecPlaces(), 10);
    g.setTextDecPlaces(-5);
    EXPECT_EQ(g.TextDecPlaces(), -2);
    g.setTextAngle(400);
    EXPECT_EQ(g.TextAngle(), 360);
    g.setTextAngle(-10);
    EXPECT_EQ(g.TextAngle(), 0);
    g.setTextPosX(500);
    EXPECT_EQ(g.TextPosX(), 300);
    g.setTextPosY(-4);
    EXPECT_EQ(g.TextPosY(), 0);
    g.setTextPosY(40);
    EXPECT_EQ(g.TextPosY(), 28);
}

TEST(ProgBar, UnchangedValueDoesNotRepaintAndAChangeRepaintsAtOnce)
{
    auto g = BatteryGauge(3);
    int paints = 0;
    struct PaintCounter : QObject {
        int* count;
        bool eventFilter(QObject*, QEvent* e) override
        {
            *count += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    counter.count = &paints;
    g->installEventFilter(&counter);
    g->show();
    for (int i = 0; i < 100 && !(g->windowHandle() && g->windowHandle()->isExposed()); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();

    const int before = g->RepaintCount();
    paints = 0;
    g->setValue(3);
    g->setMax(7);
    g->setMin(0);
    EXPECT_EQ(g->RepaintCount(), before);
    EXPECT_EQ(paints, 0);

    g->setValue(4);
    EXPECT_EQ(g->RepaintCount(), before + 1);
    EXPECT_EQ(paints, 1) << "painted synchronously, not deferred";

    g->setColorRange(clMoneyGreen, clMoneyGreen);
    g->setColorRange(clMoneyGreen, clMoneyGreen);
    EXPECT_EQ(g->RepaintCount(), before + 2) << "both ends in one repaint, and only on a change";
}

TEST(ProgBar, ValueTextFormats)
{
    EXPECT_EQ(FormatGaugeValue(7, 0), "7");
    EXPECT_EQ(FormatGaugeValue(3.14159, 2), "3.14");
    EXPECT_EQ(FormatGaugeValue(10, -2), "1.0E+0001");
    EXPECT_EQ(FormatGaugeValue(0.00012, -2), "1.2E-0004");
    EXPECT_EQ(FormatGaugeValue(-2.5, -1), "-2.5E+00");
    EXPECT_EQ(FormatGaugeValue(1e150, -2), "1.0E+0150");
    EXPECT_EQ(FormatGaugeValue(1e150, -1), "*********");
}

TEST(ProgBar, TextOffsetsPutTheAlignedPointOnTheAnchor)
{
    EXPECT_EQ(GaugeTextOffset(taCenter, 10, 5, 0), QPoint(-10, -5));
    EXPECT_EQ(GaugeTextOffset(taLeftJustify, 10, 5, 0), QPoint(0, -5));
    EXPECT_EQ(GaugeTextOffset(taRightJustify, 10, 5, 0), QPoint(-20, -5));
    // Rotated a quarter turn counter-clockwise the text runs upward from its start.
    EXPECT_EQ(GaugeTextOffset(taCenter, 10, 5, 90), QPoint(-5, 10));
    EXPECT_EQ(GaugeTextOffset(taRightJustify, 10, 5, 90), QPoint(-5, 20));
}

namespace {

// The bounding box of the pixels of the given colour.
QRect Extent(const QImage& image, TColor c)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == c)
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

TEST(ProgBar, ValueTextIsDrawnRotatedAroundItsAnchor)
{
    TProgBar g;
    g.resize(120, 120);
    g.setFrameStyleOuter(fsNone);
    g.setFrameStyleInner(fsNone);
    g.setColorBackGnd(clBlack);
    g.setValue(0);
    g.setFontColor(clWhite);
    QFont font = g.font();
    font.setPixelSize(16);
    g.setFont(font);
    g.setTextPosX(60);
    g.setTextPosY(60);
    QString shown;
    g.OnShowValue = [&shown](QObject*, QString& text) {
        shown = text;
        text = QStringLiteral("HHHHHH");
    };

    QRect box = Extent(g.Render(), clWhite);
    EXPECT_EQ(shown, "0");
    EXPECT_GT(box.width(), box.height());
    EXPECT_NEAR(box.center().x(), 60, 3);
    EXPECT_NEAR(box.center().y(), 60, 4);

    g.setTextAngle(90);
    box = Extent(g.Render(), clWhite);
    EXPECT_GT(box.height(), box.width());
    EXPECT_NEAR(box.center().x(), 60, 4);
    EXPECT_NEAR(box.center().y(), 60, 3);

    g.setTextVisible(false);
    EXPECT_TRUE(Extent(g.Render(), clWhite).isNull());
}

TEST(ProgBar, BackgroundPictureThatCannotBeLoadedKeepsTheOldOne)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ground.png"));
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(QColor(255, 0, 0));
    ASSERT_TRUE(red.save(file));

    auto g = GradientGauge(cgmStretch, 0);
    EXPECT_FALSE(g->setBackGroundImg(dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_TRUE(g->BackGroundImg().isEmpty());
    EXPECT_TRUE(g->setBackGroundImg(file));
    EXPECT_EQ(At(g->Render(), 150, 12), clRed);
    EXPECT_FALSE(g->setBackGroundImg(dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_EQ(g->BackGroundImg(), file);
    EXPECT_TRUE(g->setBackGroundImg(QString()));
    EXPECT_EQ(At(g->Render(), 150, 12), clSilver);
}
