#include "LanguageSession.h"
#include "protocol/i18n/MemoryLanguageStore.h"
#include "window/app/MainWindow.h"
#include "window/app/ProgressWindow.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

namespace {

class ApplyLanguageTest : public LanguageTest {
protected:
    void SetUp() override
    {
        LanguageTest::SetUp();
        session = UnstartedWindow(QStringLiteral("lkEng"));
        session->Start();
        form = &session->window();
    }

    void TearDown() override
    {
        session.reset();
        LanguageTest::TearDown();
    }

    QObject* Control(const char* name) const
    {
        return form->FindComponent(QString::fromLatin1(name));
    }

    static QString CaptionOf(const QObject* control)
    {
        if (auto* group = qobject_cast<const QGroupBox*>(control))
            return group->title();
        if (auto* button = qobject_cast<const QAbstractButton*>(control))
            return button->text();
        if (auto* label = qobject_cast<const QLabel*>(control))
            return label->text();
        return QString();
    }

    void Switch(TLanguateKind language)
    {
        CurrentLanguage = language;
        form->ApplyLanguage();
    }

    std::unique_ptr<SimSession> session;
    TForm1* form = nullptr;
};

TEST_F(ApplyLanguageTest, HotkeyCombosMoveRightForSimplifiedChineseOnly)
{
    auto* combo1 = form->Find<QWidget>(QStringLiteral("cbCustKey1"));
    auto* combo2 = form->Find<QWidget>(QStringLiteral("cbCustKey2"));
    const int top1 = combo1->y();
    const int top2 = combo2->y();

    Switch(lkChs);
    EXPECT_EQ(combo1->pos(), QPoint(90, top1));
    EXPECT_EQ(combo2->pos(), QPoint(90, top2));
    Switch(lkEng);
    EXPECT_EQ(combo1->pos(), QPoint(62, top1));
    EXPECT_EQ(combo2->pos(), QPoint(62, top2));
    Switch(lkChs);
    Switch(lkCht);
    EXPECT_EQ(combo1->x(), 62);
    EXPECT_EQ(combo2->x(), 62);
}

TEST_F(ApplyLanguageTest, PairingButtonCaptionFollowsThePairingTimer)
{
    QObject* button = Control("btnCombo_Cmd_Soft_Bind_SW");

    form->tmrSoftBind->start();
    Switch(lkCht);
    EXPECT_EQ(CaptionOf(button), QStringLiteral("連線中(&C)"));
    Switch(lkChs);
    EXPECT_EQ(CaptionOf(button), QStringLiteral("对码中(&C)"));
    Switch(lkEng);
    EXPECT_EQ(CaptionOf(button), QStringLiteral("&Connecting"));

    form->tmrSoftBind->stop();
    Switch(lkChs);
    EXPECT_EQ(CaptionOf(button), QStringLiteral("对码(&C)"));
    Switch(lkEng);
    EXPECT_EQ(CaptionOf(button), QStringLiteral("&Connect"));

    // The no-receiver state resets it in the language in force.
    form->tmrSoftBind->start();
    Switch(lkCht);
    form->ShowNoReceiver();
    EXPECT_EQ(CaptionOf(button), QStringLiteral("連線(&C)"));
}

TEST_F(ApplyLanguageTest, CaptionsOfEachKindFollowTheLanguage)
{
    struct Expected {
        const char* control;
        const char* cht;
        const char* chs;
    };
    const Expected samples[] = {
        {"gbSysStatus", "USB資訊", "USB信息"},
        {"lblHK2", "熱鍵2", "可编程按键2"},
        {"rbRF_DR_4A", "啟用省電模式並以 (L+R+M) 按鍵時喚醒",
         "启用省电模式并以 (L+R+M) 按键时唤醒"},
        {"rbRF_DR_55", "關閉", "关闭"},
        {"rbTestOn", "啟用", "启用"},
        {"gbBTYStatus", "電池電量", "电池电量"},
        {"btnEEPROM_R_PID", "讀", "读"},
        {"btnEEPROM_W_20", "寫", "写"},
    };
    Switch(lkCht);
    for (const Expected& sample : samples)
        EXPECT_EQ(CaptionOf(Control(sample.control)), QString::fromUtf8(sample.cht))
            << sample.control;
    Switch(lkChs);
    for (const Expected& sample : samples)
        EXPECT_EQ(CaptionOf(Control(sample.control)), QString::fromUtf8(sample.chs))
            << sample.control;
}

TEST_F(ApplyLanguageTest, LanguageComboSwitchesCaptionsAtOnceAndStoresTheChoice)
{
    session->Choose(QStringLiteral("cbbLang"), lkCht);
    EXPECT_EQ(CurrentLanguage, lkCht);
    EXPECT_EQ(CaptionOf(Control("gbCPI")), QStringLiteral("CPI設定"));
    EXPECT_EQ(session->languages().Value(), QStringLiteral("lkCht"));

    session->Choose(QStringLiteral("cbbLang"), lkChs);
    EXPECT_EQ(CaptionOf(Control("gbNL")), QStringLiteral("未连线时省电模式设定"));
    EXPECT_EQ(form->Find<QWidget>(QStringLiteral("cbCustKey1"))->x(), 90);
    EXPECT_EQ(session->languages().Value(), QStringLiteral("lkChs"));
}

TEST_F(ApplyLanguageTest, ProgressWindowTextsFollowTheLanguage)
{
    TForm3* progress = form->ProgressWindow();
    ASSERT_NE(progress, nullptr);  // created at start and kept
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Initialing mouse Setting"));
    EXPECT_EQ(progress->lblDesc->text(), QStringLiteral("Initialing, please wait for a moment."));
    Switch(lkCht);
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("讀取設定"));
    EXPECT_EQ(progress->lblDesc->text(), QStringLiteral("讀取滑鼠設定中..."));
    Switch(lkChs);
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("读取设定"));
    EXPECT_EQ(progress->lblDesc->text(), QStringLiteral("读取鼠标设定中..."));
}

}  // namespace
