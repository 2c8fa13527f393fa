#include "window/controls/ALed.h"
#include "window/controls/Pictures.h"

#include <QMovie>
#include <QPixmap>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

TEST(Pictures, EveryPictureIsThereWithItsSize)
{
    InitPictureResources();
    const std::pair<const char*, QSize> pictures[] = {
        {":/images/logo.png", {200, 66}},     {":/images/mouse.png", {30, 30}},
        {":/images/keyboard.png", {50, 27}},  {":/images/battery.png", {92, 30}},
        {":/images/connected.png", {50, 50}}, {":/images/nodevice.png", {50, 50}},
        {":/images/lang_eng.png", {63, 14}},  {":/images/lang_cht.png", {63, 14}},
        {":/images/lang_chs.png", {63, 14}},  {":/images/info.png", {32, 32}},
    };
    for (const auto& [path, size] : pictures)
        EXPECT_EQ(QImage(QString::fromLatin1(path)).size(), size) << path;
}

TEST(Pictures, BatteryOutlineIsClearWhereTheGaugeSits)
{
    InitPictureResources();
    const QImage battery(QStringLiteral(":/images/battery.png"));
    ASSERT_EQ(battery.size(), QSize(92, 30));
    for (int y = 4; y < 4 + 22; ++y)
        for (int x = 16; x < 16 + 67; ++x)
            ASSERT_EQ(qAlpha(battery.pixel(x, y)), 0) << x << "," << y;
}

TEST(Pictures, PairingAnimationLoops)
{
    InitPictureResources();
    QMovie movie(QStringLiteral(":/images/pairing.gif"));
    ASSERT_TRUE(movie.isValid());
    EXPECT_GE(movie.frameCount(), 3);
    EXPECT_EQ(movie.loopCount(), -1) << "loops forever";
    ASSERT_TRUE(movie.jumpToFrame(0));
    EXPECT_EQ(movie.currentImage().size(), QSize(50, 50));
}

TEST(Pictures, LedPicturesFollowTheColourConvention)
{
    InitPictureResources();
    for (int s = LEDSmall; s <= LEDHorizontal; ++s) {
        const auto style = TLEDStyle(s);
        for (bool bordered : {true, false}) {
            const QString name = TALed::PictureName(style, bordered);
            const QImage picture(QStringLiteral(":/led/%1.png").arg(name));
            ASSERT_EQ(picture.size(), TALed::StyleSize(style)) << name.toStdString();
            EXPECT_EQ(picture.pixel(picture.width() / 2, picture.height() / 2), qRgb(0, 255, 0))
                << name.toStdString();
            if (!bordered) {
                EXPECT_EQ(picture.pixel(0, 0), qRgb(0xC0, 0xC0, 0xC0)) << name.toStdString();
            }
        }
    }
}

// On a screen of scale 2 a picture is its own 2x drawing, not the 1x one stretched (which
// blurs or blocks its edges): a share of its pixels differs from either stretch.
TEST(Pictures, TwiceScalePicturesAreDrawnAtThatScale)
{
    InitPictureResources();
    for (const char* path : {":/images/logo.png", ":/images/connected.png", ":/images/nodevice.png",
                             ":/images/mouse.png", ":/images/keyboard.png", ":/led/BSQLG.png"}) {
        const QImage small(QString::fromLatin1(path));
        const QImage large = PictureForScale(QString::fromLatin1(path), 2).toImage();
        ASSERT_EQ(large.size(), small.size() * 2) << path;
        EXPECT_EQ(large.devicePixelRatio(), 2.0) << path;
        for (const auto mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
            const QImage stretched = small.scaled(large.size(), Qt::IgnoreAspectRatio, mode)
                                         .convertToFormat(QImage::Format_ARGB32);
            const QImage drawn = large.convertToFormat(QImage::Format_ARGB32);
            int differing = 0;
            for (int y = 0; y < drawn.height(); ++y)
                for (int x = 0; x < drawn.width(); ++x) {
                    const QRgb a = drawn.pixel(x, y), b = stretched.pixel(x, y);
                    differing +=
                        std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))}) >
                        48;
                }
            EXPECT_GT(differing * 50, drawn.width() * drawn.height()) << path << " " << mode;
        }
    }
}
