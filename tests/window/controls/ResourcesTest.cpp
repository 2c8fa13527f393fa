#include "window/controls/ALed.h"
#include "window/controls/Pictures.h"

#include <QMovie>

#include <gtest/gtest.h>

TEST(Pictures, EveryPictureIsThereWithItsSize)
{
    InitPictureResources();
    const std::pair<const char*, QSize> pictures[] = {
        {":/images/logo.png", {200, 66}},      {":/images/mouse.png", {30, 30}},
        {":/images/keyboard.png", {50, 27}},   {":/images/battery.png", {92, 30}},
        {":/images/connected.png", {50, 50}},  {":/images/nodevice.png", {50, 50}},
        {":/images/lang_eng.png", {63, 14}},   {":/images/lang_cht.png", {63, 14}},
        {":/images/lang_chs.png", {63, 14}},   {":/images/info.png", {32, 32}},
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
