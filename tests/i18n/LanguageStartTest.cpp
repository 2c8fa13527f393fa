#include "WindowFixture.h"

#include <QComboBox>

namespace {

using LanguageStartTest = WindowFixture;

TEST_F(LanguageStartTest, StoredTraditionalChineseInAnySpellingStartsWithoutChooser)
{
    for (const char* stored : {"lkCht", "LKCHT", "Cht", "cht"}) {
        MakeWindow(QString::fromLatin1(stored));
        form->LoadLanguage();
        EXPECT_EQ(CurrentLanguage, lkCht) << stored;
        EXPECT_EQ(prompts->chooserRuns, 0) << stored;
        EXPECT_EQ(store->Writes(), 0) << stored;
        EXPECT_FALSE(form->isVisible()) << stored;
        CurrentLanguage = lkEng;
    }
}

TEST_F(LanguageStartTest, MissingOrUnknownValueRunsChooserAndStoresAValidName)
{
    const std::optional<QString> cases[] = {std::nullopt, QStringLiteral("xyz"), QString(),
                                            QStringLiteral("lkDeu")};
    for (const auto& stored : cases) {
        MakeWindow(stored);
        ChooseInChooser(lkChs);
        form->LoadLanguage();
        const QString label = stored.value_or(QStringLiteral("<missing>"));
        EXPECT_EQ(prompts->chooserRuns, 1) << label.toStdString();
        EXPECT_EQ(CurrentLanguage, lkChs) << label.toStdString();
        EXPECT_EQ(store->Value(), QStringLiteral("lkChs")) << label.toStdString();
        EXPECT_EQ(store->Writes(), 1) << label.toStdString();
        EXPECT_TRUE(form->isVisible()) << label.toStdString();
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
        MakeWindow();
        form->LoadLanguage();
        EXPECT_EQ(prompts->preselected, c.item) << c.locale.name().toStdString();
        // Closing with the offered item keeps it.
        EXPECT_EQ(CurrentLanguage, c.item) << c.locale.name().toStdString();
        CurrentLanguage = lkEng;
    }
}

TEST_F(LanguageStartTest, ChooserIsTheWindowForm2RefersToWhileItExists)
{
    MakeWindow();
    bool showingDuringChoice = false;
    prompts->onChooser = [&](TForm2& chooser) {
        EXPECT_EQ(Form2.data(), &chooser);
        chooser.show();
        showingDuringChoice = LanguageChooserShowing();
        chooser.btnOK->click();
    };
    form->LoadLanguage();
    EXPECT_TRUE(showingDuringChoice);
    EXPECT_FALSE(LanguageChooserShowing());
    ASSERT_FALSE(Form2.isNull());
    // The chooser is not one of the main window's controls, and goes with the main window.
    EXPECT_NE(Form2->parent(), form.get());
    form.reset();
    EXPECT_TRUE(Form2.isNull());
}

TEST_F(LanguageStartTest, LanguageComboShowsTheStoredLanguage)
{
    MakeWindow(QStringLiteral("lkChs"));
    auto* combo = form->Find<QComboBox>(QStringLiteral("cbbLang"));
    if (!combo)
        GTEST_SKIP() << "the window has no cbbLang yet";
    form->LoadLanguage();
    EXPECT_EQ(combo->currentIndex(), lkChs);
}

} // namespace
