#include "protocol/i18n/Lang.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <set>

namespace {

class LangTest : public ::testing::Test {
protected:
    void TearDown() override { CurrentLanguage = lkEng; }

    static QString TermIn(TLanguateKind language, quint8 id)
    {
        CurrentLanguage = language;
        QString text = QStringLiteral("<unset>");
        GetTerm(id, text);
        return text;
    }
};

TEST_F(LangTest, TableHoldsEachIdFromZeroTo53Once)
{
    std::set<int> ids;
    for (const TTerm& term : LangTerms) {
        EXPECT_TRUE(ids.insert(term.Id).second) << "id " << int(term.Id) << " twice";
        for (const char* text : term.Text)
            EXPECT_NE(QString::fromUtf8(text), QString()) << "id " << int(term.Id);
    }
    ASSERT_EQ(ids.size(), 54u);
    EXPECT_EQ(*ids.begin(), 0);
    EXPECT_EQ(*ids.rbegin(), 53);
}

TEST_F(LangTest, PairingButtonCaptionsInEachLanguage)
{
    EXPECT_EQ(TermIn(lkEng, 3), QStringLiteral("&Connect"));
    EXPECT_EQ(TermIn(lkCht, 3), QStringLiteral("連線(&C)"));
    EXPECT_EQ(TermIn(lkChs, 3), QStringLiteral("对码(&C)"));
    EXPECT_EQ(TermIn(lkEng, 4), QStringLiteral("&Connecting"));
    EXPECT_EQ(TermIn(lkCht, 4), QStringLiteral("連線中(&C)"));
    EXPECT_EQ(TermIn(lkChs, 4), QStringLiteral("对码中(&C)"));
}

TEST_F(LangTest, TextsAreFoundByIdWhateverTheirPlaceInTheTable)
{
    // First, reordered middle, and last entries of the table.
    EXPECT_EQ(TermIn(lkEng, 0), QStringLiteral("USB Info."));
    EXPECT_EQ(TermIn(lkCht, 0), QStringLiteral("USB資訊"));
    EXPECT_EQ(TermIn(lkChs, 0), QStringLiteral("USB信息"));
    EXPECT_EQ(TermIn(lkCht, 26), QStringLiteral("讀"));
    EXPECT_EQ(TermIn(lkChs, 27), QStringLiteral("写"));
    EXPECT_EQ(TermIn(lkEng, 24), QStringLiteral("Mouse Bettery Low Level"));
    EXPECT_EQ(TermIn(lkChs, 21), QStringLiteral("启用省电模式并以 (L+R+M) 按键时唤醒"));
    EXPECT_EQ(TermIn(lkEng, 30),
              QStringLiteral("Setup fail, please move mouse to rebuild RF Link!"));
    EXPECT_EQ(TermIn(lkCht, 30),
              QStringLiteral("設定失敗，未偵測到RF連線，請滑動滑鼠以重新建立RF連線!"));
    EXPECT_EQ(TermIn(lkChs, 34), QStringLiteral("请先取下并重新安装滑鼠电池，再进行设定"));
    EXPECT_EQ(TermIn(lkCht, 35), QStringLiteral("請檢查以下裝置："));
    EXPECT_EQ(TermIn(lkCht, 39), QStringLiteral("顯示【儲存信息】/隱藏【不儲存信息】"));
    EXPECT_EQ(TermIn(lkEng, 53),
              QStringLiteral("Program will skip values that reserved for system."));
}

TEST_F(LangTest, UnknownIdLeavesTheTextAsItWas)
{
    for (TLanguateKind language : {lkEng, lkCht, lkChs}) {
        EXPECT_EQ(TermIn(language, 54), QStringLiteral("<unset>"));
        EXPECT_EQ(TermIn(language, 255), QStringLiteral("<unset>"));
    }
}

TEST_F(LangTest, StoredValueNamesALanguageInAnyCaseWithOrWithoutPrefix)
{
    EXPECT_EQ(ParseStoredLanguage(QStringLiteral("lkCht")), lkCht);
    EXPECT_EQ(ParseStoredLanguage(QStringLiteral("LKCHT")), lkCht);
    EXPECT_EQ(ParseStoredLanguage(QStringLiteral("Cht")), lkCht);
    EXPECT_EQ(ParseStoredLanguage(QStringLiteral("cht")), lkCht);
    EXPECT_EQ(ParseStoredLanguage(QStringLiteral("chs")), lkChs);
    EXPECT_EQ(ParseStoredLanguage(QStringLiteral("lkeng")), lkEng);
    EXPECT_EQ(ParseStoredLanguage(QStringLiteral("ENG")), lkEng);
}

TEST_F(LangTest, StoredValueNamingNoLanguageGivesNothing)
{
    for (const char* value :
         {"", "xyz", "lkDeu", "lk", "kCht", "lkChtx", " lkCht", "lkCht ", "Ch", "lklkCht"})
        EXPECT_EQ(ParseStoredLanguage(QString::fromLatin1(value)), std::nullopt) << value;
}

TEST_F(LangTest, StoredNamesRoundTrip)
{
    EXPECT_EQ(LanguageName(lkEng), QStringLiteral("lkEng"));
    EXPECT_EQ(LanguageName(lkCht), QStringLiteral("lkCht"));
    EXPECT_EQ(LanguageName(lkChs), QStringLiteral("lkChs"));
    EXPECT_EQ(LanguageFromIndex(-1), std::nullopt);
    EXPECT_EQ(LanguageFromIndex(3), std::nullopt);
    EXPECT_EQ(LanguageFromIndex(2), lkChs);
}

TEST_F(LangTest, CodePagesChooseTheOfferedLanguage)
{
    for (int codePage : {936, 10008, 50935, 51936, 52936})
        EXPECT_EQ(LanguageForCodePage(codePage), lkChs) << codePage;
    for (int codePage : {950, 10002, 20000, 20002, 50937})
        EXPECT_EQ(LanguageForCodePage(codePage), lkCht) << codePage;
    for (int codePage : {1252, 0, 437, 932, 949, 65001, -1})
        EXPECT_EQ(LanguageForCodePage(codePage), lkEng) << codePage;
}

TEST_F(LangTest, LocalesImplyTheirCodePage)
{
    for (const char* name : {"zh_CN", "zh_SG", "zh"})
        EXPECT_EQ(CodePageForLocale(QLocale(QString::fromLatin1(name))), 936) << name;
    for (const char* name : {"zh_TW", "zh_HK", "zh_MO"})
        EXPECT_EQ(CodePageForLocale(QLocale(QString::fromLatin1(name))), 950) << name;
    EXPECT_EQ(
        CodePageForLocale(QLocale(QLocale::Chinese, QLocale::TraditionalHanScript, QLocale::China)),
        950);
    for (const char* name : {"en_US", "de_DE", "ja_JP", "C"})
        EXPECT_EQ(CodePageForLocale(QLocale(QString::fromLatin1(name))), 1252) << name;
}

}  // namespace
