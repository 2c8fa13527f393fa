#include "window/controls/Shapes.h"

#include <gtest/gtest.h>

namespace {

const QRgb Clear = qRgba(0, 0, 0, 0);

}  // namespace

TEST(RectShape, OnePixelHighShapeIsALine)
{
    TRectShape shape;
    shape.resize(220, 1);
    shape.setShadow(false);
    shape.setPen(TShapePen{clGrayText, 1});
    const QImage image = shape.Render();
    for (int x = 0; x < 220; ++x)
        ASSERT_EQ(image.pixel(x, 0), toQRgb(clGrayText)) << x;
}

TEST(RectShape, ShadowShowsOffsetToTheRightAndBelow)
{
    TRectShape shape;  // 65 x 65, shadow 2, pen 1 black, brush white
    const QImage image = shape.Render();
    const QRgb pen = toQRgb(clBlack), brush = toQRgb(clWhite), shadow = toQRgb(clBtnShadow);
    EXPECT_EQ(image.pixel(0, 0), pen);
    EXPECT_EQ(image.pixel(62, 62), pen) << "the shape shrinks by the offset";
    EXPECT_EQ(image.pixel(1, 1), brush);
    EXPECT_EQ(image.pixel(61, 30), brush);
    EXPECT_EQ(image.pixel(63, 2), shadow);
    EXPECT_EQ(image.pixel(64, 64), shadow);
    EXPECT_EQ(image.pixel(2, 63), shadow);
    EXPECT_EQ(image.pixel(63, 1), Clear);
    EXPECT_EQ(image.pixel(1, 63), Clear);

    shape.setShadow(false);
    const QImage plain = shape.Render();
    EXPECT_EQ(plain.pixel(64, 64), pen);
    EXPECT_EQ(plain.pixel(63, 63), brush);
}

TEST(RectShape, WidePenIsCentredOnTheEdges)
{
    TRectShape shape;
    shape.resize(20, 10);
    shape.setShadow(false);
    shape.setPen(TShapePen{clRed, 3});
    const QImage image = shape.Render();
    const QRgb pen = toQRgb(clRed), brush = toQRgb(clWhite);
    for (int x : {0, 1, 2, 17, 18, 19})
        EXPECT_EQ(image.pixel(x, 5), pen) << x;
    for (int x : {3, 16})
        EXPECT_EQ(image.pixel(x, 5), brush) << x;
    for (int y : {0, 2, 7, 9})
        EXPECT_EQ(image.pixel(10, y), pen) << y;
    EXPECT_EQ(image.pixel(10, 3), brush);
}

TEST(RectShape, OffsetLargerThanTheShapeDrawsNothing)
{
    TRectShape shape;
    shape.resize(10, 10);
    shape.setShadowOffset(4000000000u);
    const QImage image = shape.Render();
    EXPECT_EQ(image.pixel(0, 0), Clear);
    EXPECT_EQ(image.pixel(9, 9), Clear);
}
