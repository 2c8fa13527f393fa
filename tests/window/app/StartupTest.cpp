#include "protocol/platform/ExecutableName.h"
#include "testing/TestServices.h"
#include "window/app/Application.h"
#include "window/app/LogoBitmap.h"
#include "window/app/MainWindow.h"
#include "window/app/ProgressWindow.h"
#include "window/app/SettingsFile.h"

#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kDesignTitle = QStringLiteral("Karvelo 2.4G RF SoC Setting Tool V0.15");

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        env.workingDirectory = dir.path();
    }

    TForm1& start()
    {
        form = std::make_unique<TForm1>(env.Make());
        form->FormCreate(form.get());
        return *form;
    }

    QString titleWith(const QByteArray& ini)
    {
        writeFile(dir.filePath(QStringLiteral("Setting.ini")), ini);
        return start().windowTitle();
    }

    void writeLogo(int width, int height)
    {
        QImage logo(width, height, QImage::Format_RGB32);
        logo.fill(Qt::red);
        ASSERT_TRUE(logo.save(dir.filePath(QStringLiteral("logo.bmp")), "BMP"));
    }

    bool customLogoShown()
    {
        auto* cust = form->findChild<QLabel*>(QStringLiteral("imgCust"));
        auto* logo = form->findChild<QLabel*>(QStringLiteral("imgLogo"));
        EXPECT_NE(cust->isVisibleTo(form.get()), logo->isVisibleTo(form.get()));
        return cust->isVisibleTo(form.get());
    }

    QTemporaryDir dir;
    TestServices env;
    std::unique_ptr<TForm1> form;
};

TEST_F(StartupTest, TitleStaysWithoutSettingsOrWithABlankValue)
{
    EXPECT_EQ(start().windowTitle(), kDesignTitle);
    EXPECT_EQ(titleWith("[Setting]\nTitle=\n"), kDesignTitle);
    EXPECT_EQ(titleWith("[Setting]\r\nTitle=\" \"\r\n"), kDesignTitle);
    EXPECT_EQ(titleWith("[Other]\nTitle=Elsewhere\n"), kDesignTitle);
}

TEST_F(StartupTest, TitleReplacedByAnyValueAboveASingleBlank)
{
    EXPECT_EQ(titleWith("[Setting]\nTitle=My Tool\n"), QStringLiteral("My Tool"));
    EXPECT_EQ(titleWith("[setting]\r\ntitle = Two, parts \r\n"), QStringLiteral("Two, parts"));
    EXPECT_EQ(titleWith("[Setting]\nTitle=\"  x\"\n"), QStringLiteral("  x"));
}

TEST_F(StartupTest, EntryNamesTheApplicationAfterTheWindowAndMakesTheProgressWindow)
{
    writeFile(dir.filePath(QStringLiteral("Setting.ini")), "[Setting]\nTitle=My Tool\n");
    form = std::make_unique<TForm1>(env.Make());
    StartWindows(*form);
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("My Tool"));
    ASSERT_NE(form->ProgressWindow(), nullptr);
    EXPECT_FALSE(form->ProgressWindow()->isVisible());
    QGuiApplication::setApplicationDisplayName(QString());
}

TEST(SettingsFileTest, OnlyTheWorkingDirectoryIsRead)
{
    QTemporaryDir beside, working;
    writeFile(beside.filePath(QStringLiteral("Setting.ini")), "[Setting]\nTitle=Beside\n");
    EXPECT_FALSE(TitleFromSettings(working.path()).has_value());
    EXPECT_EQ(TitleFromSettings(beside.path()).value_or(QString()), QStringLiteral("Beside"));
}

TEST(SettingsFileTest, OrdinalComparisonAgainstOneBlank)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("Setting.ini")), "[Setting]\nTitle=\"\t\"\n");
    EXPECT_FALSE(TitleFromSettings(dir.path()).has_value());  // a tab sorts below the blank
}

TEST_F(StartupTest, CustomLogoUpTo400By60IsShown)
{
    writeLogo(400, 60);
    start();
    EXPECT_TRUE(customLogoShown());
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("imgCust"))->size(), QSize(400, 60));
}

TEST_F(StartupTest, OversizedOrMissingLogoKeepsTheBuiltInOne)
{
    start();
    EXPECT_FALSE(customLogoShown());
    writeLogo(401, 60);
    start();
    EXPECT_FALSE(customLogoShown());
    writeLogo(400, 61);
    start();
    EXPECT_FALSE(customLogoShown());
    writeFile(dir.filePath(QStringLiteral("logo.bmp")), "not a bitmap");
    start();
    EXPECT_FALSE(customLogoShown());
    writeLogo(40, 20);  // a header that promises more rows than the file holds
    QFile logo(dir.filePath(QStringLiteral("logo.bmp")));
    ASSERT_TRUE(logo.resize(logo.size() - 1));
    start();
    EXPECT_FALSE(customLogoShown());
}

TEST(LogoBitmapTest, BottomLeftColourIsTransparentAndOnlyWholeFilesCount)
{
    for (const auto format : {QImage::Format_RGB32, QImage::Format_Indexed8}) {
        QImage picture(6, 3, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixel(2, 1, qRgb(200, 0, 0));
        picture.setPixel(0, 0, qRgb(0, 0, 0));
        QByteArray file;
        QBuffer buffer(&file);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(picture.convertToFormat(format).save(&buffer, "BMP"));
        EXPECT_TRUE(BitmapDataComplete(file));
        EXPECT_FALSE(BitmapDataComplete(file.left(file.size() - 1)));
        EXPECT_FALSE(BitmapDataComplete(file.left(20)));
        QByteArray huge = file;  // sizes whose product no integer holds
        huge.replace(18, 8, QByteArray("\x00\x00\x00\x80\xff\xff\xff\x7f", 8));
        huge.replace(28, 2, QByteArray("\xff\xff", 2));
        EXPECT_FALSE(BitmapDataComplete(huge));

        const QImage shown = WithBitmapTransparency(QImage::fromData(file, "BMP"));
        EXPECT_EQ(qAlpha(shown.pixel(0, 2)), 0);  // the bottom-left pixel's colour
        EXPECT_EQ(qAlpha(shown.pixel(5, 0)), 0);
        EXPECT_EQ(shown.pixel(2, 1), qRgb(200, 0, 0));
        EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0));
    }
}

TEST_F(StartupTest, EndsEveryOtherCopyWithTheSameFileNameButNeverItself)
{
    env.processes->self = 42;
    env.processes->entries = {
        {7, QStringLiteral("/usr/bin/bash")},
        {42, QStringLiteral("/opt/tool/karvelo-rf-tool")},
        {50, QStringLiteral("/home/u/build/bin/KARVELO-RF-TOOL")},
        {51, QStringLiteral("karvelo-rf-tool")},
        {52, QStringLiteral("/usr/bin/karvelo-rf-tool-old")},
        {53, QStringLiteral("/x/karvelo-rf-tooL")},
    };
    start();
    EXPECT_EQ(env.processes->terminated, (std::vector<qint64>{50, 51, 53}));
}

TEST_F(StartupTest, NoProcessListMeansNothingEnded)
{
    env.processes->entries = {{5, QStringLiteral("/bin/karvelo-rf-tool")}};  // own entry missing
    start();
    EXPECT_TRUE(env.processes->terminated.empty());
    EXPECT_TRUE(form->GetSelfExeName().isEmpty());
}

TEST(ExecutableNameTest, StripsDirectoriesAndFoldsOnlyAsciiCase)
{
    EXPECT_EQ(BareFileName(QStringLiteral("C:\\Tools\\RF.exe")), QStringLiteral("RF.exe"));
    EXPECT_EQ(BareFileName(QStringLiteral("/usr/bin/rf")), QStringLiteral("rf"));
    EXPECT_EQ(BareFileName(QStringLiteral("rf")), QStringLiteral("rf"));
    EXPECT_TRUE(SameNameIgnoringAsciiCase(QStringLiteral("Rf-Tool"), QStringLiteral("rF-tOOL")));
    EXPECT_FALSE(SameNameIgnoringAsciiCase(QStringLiteral("\u00C4rf"), QStringLiteral("\u00E4rf")));
    EXPECT_FALSE(SameNameIgnoringAsciiCase(QStringLiteral("rf"), QStringLiteral("rf ")));
}

TEST_F(StartupTest, OpensCentredAt725By410AndKeepsItsSize)
{
    TForm1& window = start();
    EXPECT_EQ(window.size(), QSize(725, 410));
    const QSize screen = window.screen()->geometry().size();
    EXPECT_EQ(window.pos(), QPoint(screen.width() / 2 - 725 / 2, screen.height() / 2 - 410 / 2));
    window.resize(900, 500);
    EXPECT_EQ(window.size(), QSize(725, 410));
}

TEST_F(StartupTest, BatteryLowListHoldsTheEightLevelsWithTheirCodes)
{
    start();
    auto* list = form->findChild<QComboBox*>(QStringLiteral("cbRF_Set_BTY_Low_Level"));
    ASSERT_EQ(list->count(), 8);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Set BTY Low Level: VBAT <= 3.2V"));
    EXPECT_EQ(list->itemData(0).toInt(), 103);
    EXPECT_EQ(list->itemText(7), QStringLiteral("Set BTY Low Level: VBAT <= 1.8V"));
    EXPECT_EQ(list->itemData(7).toInt(), 96);
}

TEST_F(StartupTest, CloseStopsTimersAndEndsTheProcessWithoutWriting)
{
    start();
    form->tmrStatus->start();
    const int writesBefore = env.languages->Writes();
    form->close();
    EXPECT_FALSE(form->tmrStatus->isActive());
    EXPECT_FALSE(form->tmrSoftBind->isActive());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(env.endProcessCalls, std::vector<int>{0});
    EXPECT_EQ(env.languages->Writes(), writesBefore);
    EXPECT_EQ(env.clock->sleeps(), std::vector<int>{50});
}

}  // namespace
