#include "LanguageSession.h"
#include "protocol/i18n/MemoryLanguageStore.h"
#include "sim/ReceiverEeprom.h"
#include "sim/ReceiverModel.h"
#include "testing/RecordingPrompts.h"
#include "window/app/LanguageChooser.h"
#include "window/app/MainWindow.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

namespace {

using LanguageStartTest = LanguageTest;

TEST_F(LanguageStartTest, StoredTraditionalChineseInAnySpellingStartsWithoutChooser)
{
    for (const char* stored : {"lkCht", "LKCHT", "lkcht", "Cht", "cht"}) {
        auto session = UnstartedWindow(QString::fromLatin1(stored));
        session->window().LoadLanguage();
        EXPECT_EQ(CurrentLanguage, lkCht) << stored;
        EXPECT_EQ(session->prompts().languageChooserRuns, 0) << stored;
        EXPECT_EQ(session->languages().Writes(), 0) << stored;
        EXPECT_FALSE(session->window().isVisible()) << stored;
        EXPECT_EQ(session->Find<QComboBox>(QStringLiteral("cbbLang"))->currentIndex(), lkCht);
        CurrentLanguage = lkEng;
    }
}

TEST_F(LanguageStartTest, MissingOrUnknownValueRunsChooserAndStoresAValidName)
{
    const std::optional<QString> cases[] = {std::nullopt, QString(), QStringLiteral("xyz"),
                                            QStringLiteral("lkDeu"), QStringLiteral("lkCht ")};
    for (const auto& stored : cases) {
        const std::string label = stored.value_or(QStringLiteral("<missing>")).toStdString();
        auto session = UnstartedWindow(stored);
        const int writesBefore = session->languages().Writes();
        session->prompts().languageChoice = lkChs;
        session->window().LoadLanguage();
        EXPECT_EQ(session->prompts().languageChooserRuns, 1) << label;
        EXPECT_EQ(CurrentLanguage, lkChs) << label;
        EXPECT_EQ(session->languages().Value(), QStringLiteral("lkChs")) << label;
        EXPECT_EQ(session->languages().Writes() - writesBefore, 1) << label;
        EXPECT_TRUE(session->window().isVisible()) << label;
        EXPECT_EQ(session->Find<QComboBox>(QStringLiteral("cbbLang"))->currentIndex(), lkChs);
        CurrentLanguage = lkEng;
    }
}

TEST_F(LanguageStartTest, ChooserOffersTheSystemLanguageFirst)
{
    struct Case {
        QLocale locale;
        int item;
    };
    const Case cases[] = {
        {QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China), lkChs},
        {QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::Singapore), lkChs},
        {QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::Taiwan), lkCht},
        {QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::HongKong), lkCht},
        {QLocale(QLocale::English, QLocale::UnitedStates), lkEng},
        {QLocale(QLocale::German, QLocale::Germany), lkEng},
    };
    for (const Case& c : cases) {
        QLocale::setDefault(c.locale);
        auto session = UnstartedWindow(std::nullopt);
        session->Start();
        const std::string label = c.locale.name().toStdString();
        EXPECT_EQ(session->prompts().chooserPreselection, c.item) << label;
        // Closing with the offered item keeps it.
        EXPECT_EQ(CurrentLanguage, c.item) << label;
        EXPECT_EQ(session->languages().Value(), LanguageName(TLanguateKind(c.item))) << label;
        CurrentLanguage = lkEng;
    }
}

TEST_F(LanguageStartTest, ChooserIsTheWindowForm2RefersToAndGoesWithTheMainWindow)
{
    auto session = UnstartedWindow(std::nullopt);
    session->prompts().languageChoice = lkCht;
    session->Start();
    ASSERT_FALSE(Form2.isNull());
    EXPECT_EQ(Form2->choice(), lkCht);
    // Not one of the main window's controls: lookups by name never reach it.
    EXPECT_NE(Form2->parent(), &session->window());
    EXPECT_EQ(session->window().FindComponent(QStringLiteral("btnOK")), nullptr);
    EXPECT_FALSE(LanguageChooserShowing());
    Form2->show();
    EXPECT_TRUE(LanguageChooserShowing());
    session.reset();
    EXPECT_TRUE(Form2.isNull());
    EXPECT_FALSE(LanguageChooserShowing());
}

TEST_F(LanguageStartTest, AfterTheChoiceTheReceiverIsLookedForAgain)
{
    SimSession::Options options;
    options.start = false;
    options.storedLanguage.clear();
    SimSession session(options);
    session.DeliverEvents();  // the controller lists the receiver and the window attaches it
    ASSERT_NE(session.window().Receiver(), nullptr);
    session.firmware().eeprom().setWord(7, 0x1234);

    session.window().LoadLanguage();

    EXPECT_EQ(session.prompts().languageChooserRuns, 1);
    EXPECT_EQ(session.firmware().eeprom().word(7), 0x00FF);  // attached again
    EXPECT_NE(session.window().Receiver(), nullptr);
}

// Started hidden in the tray at login, the areas that only the engineering size shows are
// built on a window that never showed: they too speak the stored language.
TEST_F(LanguageStartTest, HiddenStartTranslatesTheEngineeringAreas)
{
    SimSession::Options options;
    options.storedLanguage = QStringLiteral("lkCht");
    options.trayHost = true;
    options.hidden = true;
    SimSession session(options);
    ASSERT_FALSE(session.window().isVisible());
    EXPECT_EQ(session.Find<QGroupBox>(QStringLiteral("gbTestMode"))->title(), "測試模式");
    EXPECT_EQ(session.Find<QRadioButton>(QStringLiteral("rbTestOn"))->text(), "啟用");
    CurrentLanguage = lkEng;
}

}  // namespace
