#include "window/controls/ALed.h"
#include "window/controls/FloodFill.h"

#include <gtest/gtest.h>

namespace {

TColor Centre(const QImage& image)
{
    return fromQRgb(image.pixel(image.width() / 2, image.height() / 2));
}

TColor Corner(const QImage& image)
{
    return fromQRgb(image.pixel(0, 0));
}

}  // namespace

TEST(Led, PicturesTakeTheBodyColours)
{
    TALed led;
    EXPECT_EQ(led.size(), QSize(16, 16));
    EXPECT_EQ(Centre(led.OnPicture()), clLime);
    EXPECT_EQ(Centre(led.OffPicture()), clSilver);
    EXPECT_EQ(Centre(led.Render()), clSilver) << "starts off";

    led.setTrueColor(clRed);
    led.setFalseColor(0x000040);
    EXPECT_EQ(Centre(led.OnPicture()), clRed);
    EXPECT_EQ(Centre(led.OffPicture()), 0x000040u);
    led.setValue(true);
    EXPECT_EQ(Centre(led.Render()), clRed);
}

TEST(Led, BorderColourFillsOnlyTheSurroundOfUnborderedLeds)
{
    TALed led;
    const QRgb bezel = led.OnPicture().pixel(0, led.height() / 2);
    led.setBorderColor(clYellow);
    EXPECT_EQ(led.OnPicture().pixel(0, led.height() / 2), bezel) << "no effect with a border";

    led.setBordered(false);
    EXPECT_EQ(Corner(led.OnPicture()), clYellow);
    EXPECT_EQ(Corner(led.OffPicture()), clYellow);
    // The default off colour is the surround's own silver: the body must stay apart from it.
    EXPECT_EQ(Centre(led.OffPicture()), clSilver);
    EXPECT_EQ(Centre(led.OnPicture()), clLime);
}

TEST(Led, EveryStyleSetsItsSize)
{
    TALed led;
    led.resize(50, 40);
    led.setLEDStyle(LEDSqLarge);
    EXPECT_EQ(led.size(), QSize(22, 22));
    led.resize(50, 40);
    EXPECT_EQ(led.size(), QSize(22, 22)) << "the style fixes the size";

    const std::pair<TLEDStyle, QSize> sizes[] = {
        {LEDSmall, {16, 16}},   {LEDLarge, {22, 22}},    {LEDSqSmall, {16, 16}},
        {LEDSqLarge, {22, 22}}, {LEDVertical, {16, 22}}, {LEDHorizontal, {22, 16}},
    };
    for (const auto& [style, size] : sizes) {
        for (bool bordered : {true, false}) {
            led.setLEDStyle(style);
            led.setBordered(bordered);
            EXPECT_EQ(led.size(), size) << style;
            EXPECT_EQ(led.OnPicture().size(), size) << style << bordered;
            EXPECT_EQ(Centre(led.OnPicture()), clLime) << style << bordered;
        }
    }
}

TEST(Led, BlinksWhileOnAndBlinking)
{
    TALed led;
    led.setBlink(false);
    led.setValue(true);
    EXPECT_FALSE(led.IsBlinking());
    EXPECT_TRUE(led.PhaseOn());
    led.BlinkTick();
    EXPECT_TRUE(led.PhaseOn()) << "steady while not blinking";

    int ticks = 0;
    led.OnTimer = [&ticks](QObject*) { ++ticks; };
    led.setBlink(true);
    EXPECT_TRUE(led.IsBlinking());
    EXPECT_TRUE(led.PhaseOn()) << "blinking begins with on";
    led.BlinkTick();
    EXPECT_FALSE(led.PhaseOn());
    EXPECT_EQ(Centre(led.Render()), clSilver);
    led.BlinkTick();
    EXPECT_TRUE(led.PhaseOn());
    EXPECT_EQ(ticks, 2);

    led.setValue(false);
    EXPECT_FALSE(led.IsBlinking());
    EXPECT_FALSE(led.PhaseOn());
}

TEST(Led, ChangingTheOnColourKeepsItBlinking)
{
    TALed led;
    led.setValue(true);  // Blink is on by default
    led.BlinkTick();
    ASSERT_FALSE(led.PhaseOn());
    led.setTrueColor(clRed);
    EXPECT_TRUE(led.IsBlinking());
    EXPECT_TRUE(led.Blink());
    EXPECT_TRUE(led.PhaseOn());
    EXPECT_EQ(Centre(led.Render()), clRed);
    led.BlinkTick();
    EXPECT_EQ(Centre(led.Render()), clSilver);
}

TEST(Led, NegativeIntervalIsRefused)
{
    TALed led;
    EXPECT_FALSE(led.setInterval(-1));
    EXPECT_EQ(led.Interval(), 1000);
    EXPECT_TRUE(led.setInterval(300));
    EXPECT_EQ(led.Interval(), 300);
}

TEST(FloodFill, StaysInsideTheFourConnectedArea)
{
    // Two areas of the target colour that touch only diagonally.
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(qRgb(0, 0, 0));
    const QRgb target = qRgb(0, 255, 0), other = qRgb(255, 0, 0);
    image.setPixel(0, 0, target);
    image.setPixel(1, 0, target);
    image.setPixel(2, 1, target);
    EXPECT_EQ(FloodFill(image, QPoint(0, 0), target, other), 2);
    EXPECT_EQ(image.pixel(2, 1), target);
    EXPECT_EQ(FloodFill(image, QPoint(3, 3), target, other), 0) << "seed of another colour";
    EXPECT_EQ(FloodFill(image, QPoint(9, 0), target, other), 0) << "seed outside";
    EXPECT_EQ(FloodFill(image, QPoint(2, 1), target, target), 0) << "nothing to replace";

    QImage large(1200, 900, QImage::Format_ARGB32);
    large.fill(target);
    EXPECT_EQ(FloodFill(large, QPoint(600, 450), target, other), 1200 * 900);
}
