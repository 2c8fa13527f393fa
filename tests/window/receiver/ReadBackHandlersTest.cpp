#include "protocol/device/DeviceClock.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/MouseModel.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "sim/SimReceivers.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"
#include "window/app/PrimaryScreenSize.h"
#include "window/app/ProgressWindow.h"
#include "window/app/SkinTitleBar.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

// The mouse of the read-back example: L+R CPI switch on, button wake-up from power saving,
// wake-up by button only, battery low at 2.8 V, CPI 1000.
std::shared_ptr<ReceiverModel> ExampleFirmware()
{
    auto firmware = SimReceivers::defaultFirmware();
    MouseModel& mouse = firmware->mouse();
    const quint8 pairs[][2] = {{0x12, 0x00}, {0x16, 0xC5}, {0x14, 0xAA}, {0x1A, 0xA0}};
    for (const auto& pair : pairs) {
        mouse.setEeprom(pair[0], pair[1]);
        mouse.setEeprom(quint8(pair[0] + 1), quint8(pair[1] ^ 0xFF));
    }
    mouse.setCpi(1000);
    return firmware;
}

class ReadBackHandlersTest : public ::testing::Test {
protected:
    std::unique_ptr<SimSession> session = Session();
    TForm1* form = &session->window();

    static std::unique_ptr<SimSession> Session()
    {
        SimSession::Options options;
        options.firmware = ExampleFirmware();
        return std::make_unique<SimSession>(options);
    }
    void Renew()
    {
        session = Session();
        form = &session->window();
    }
    bool Checked(const char* name) const
    {
        return session->Find<QRadioButton>(QString::fromLatin1(name))->isChecked();
    }
    QStringList DebugLines() const
    {
        QStringList lines;
        auto* list = session->Find<QListWidget>("lstDebug");
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines;
    }
    // The progress window is gone and with it the block on the main window's input.
    bool WindowGivenBack() const
    {
        return !form->ProgressWindow()->isVisible() && QGuiApplication::modalWindow() == nullptr;
    }
    // A click as the window system delivers it, through the window under the pointer.
    static void ClickAsUser(QWidget* target)
    {
        const QPointF local = target->mapTo(target->window(), target->rect().center());
        const QPointF global = target->mapToGlobal(target->rect().center());
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, local, local, global, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(target->window()->windowHandle(), &event);
        }
    }
    // The CPI read-out's part: it selects the CPI choice it reads (1000: high).
    void ShowCpiAsTheReadOutWould() { session->Find<QRadioButton>("rbRF_CPI_H")->setChecked(true); }
};

TEST_F(ReadBackHandlersTest, ReadBackSelectsEveryControlBehindTheProgressWindowAndSendsNoChange)
{
    ShowCpiAsTheReadOutWould();
    TForm3* progress = form->ProgressWindow();
    ASSERT_NE(progress, nullptr);
    bool shown = true;
    bool handlersRan = false;
    auto* connect = session->Find<QPushButton>("btnCombo_Cmd_Soft_Bind_SW");
    session->clock().setPumpHook([&] {
        if (form->State().ReadBackInProgress)
            shown &= progress->isVisible();
        if (!std::exchange(handlersRan, true)) {
            // Selections from code and a user's choice while the read-back runs send nothing,
            // and the main window takes no clicks.
            form->SetChecked(session->Find<QRadioButton>("rbRF_DR_4F"), true);
            session->Choose("cbRF_Set_BTY_Low_Level", 0);
            ClickAsUser(connect);
        }
    });
    form->State().PrevBindingStatusBB = true;
    const qint64 mark = session->log().mark();
    form->btnRdRFSettingClick(nullptr);

    // Access, RF EEPROM reads, the hotkey words' and the CPI reads: nothing that changes a
    // setting.
    for (const QString& report : session->SentSince(mark))
        EXPECT_TRUE(report.startsWith("01 2B") || report.startsWith("01 2C") ||
                    report.startsWith("01 24") || report.startsWith("01 03") ||
                    report.startsWith("01 0B"))
            << qPrintable(report);
    EXPECT_TRUE(shown);
    EXPECT_EQ(connect->text(), "&Connect");
    for (const char* name : {"rbRF_DR_15", "rbRF_DR_4A", "rbRF_DR_2A", "rbRF_CPI_H"})
        EXPECT_TRUE(Checked(name)) << name;
    EXPECT_EQ(session->Find<QComboBox>("cbRF_Set_BTY_Low_Level")->currentText(),
              "Set BTY Low Level: VBAT <= 2.8V");
    EXPECT_EQ(progress->pbRdRf->value(), 6);
    EXPECT_TRUE(WindowGivenBack());
    EXPECT_FALSE(form->State().ReadBackInProgress);
    EXPECT_TRUE(form->State().SettingsRead);
    EXPECT_FALSE(form->State().PrevBindingStatusBB);
    EXPECT_EQ(
        DebugLines().mid(DebugLines().indexOf("-----------")),
        (QStringList{"-----------", "SoftISS V 0", "SoftISS V_C ff", "NoLink V c5", "NoLink V_C 3a",
                     "Wakeup V aa", "Wakeup V_C 55", "BAT V a0", "BAT V_C 5f"}));

    // The selections stay silent afterwards too: a click on what is shown sends nothing.
    const qint64 after = session->log().mark();
    session->Click("rbRF_DR_2A");
    EXPECT_TRUE(session->SentSince(after).empty());
}

TEST_F(ReadBackHandlersTest, CpiThatNeverShowsEndsTheReadBackAfterItsPasses)
{
    // No CPI choice comes up (the mouse answers a CPI the window does not offer): the step is
    // given up pass after pass, and the window comes back.
    session->firmware().mouse().setCpi(1200);
    form->btnRdRFSettingClick(nullptr);
    EXPECT_TRUE(Checked("rbRF_DR_15"));
    EXPECT_FALSE(Checked("rbRF_DR_4A"));
    EXPECT_EQ(form->ProgressWindow()->pbRdRf->value(), 2);
    EXPECT_TRUE(WindowGivenBack());
    EXPECT_TRUE(form->State().SettingsRead);
}

TEST_F(ReadBackHandlersTest, ReceiverUnpluggedAtAnyExchangeGivesTheWindowBackUnread)
{
    ShowCpiAsTheReadOutWould();
    const qint64 all = session->log().mark();
    form->btnRdRFSettingClick(nullptr);
    const size_t exchanges = session->log().since(all).size();
    ASSERT_GE(exchanges, 20u);
    for (size_t n = 1; n <= exchanges; ++n) {
        Renew();
        ShowCpiAsTheReadOutWould();
        session->clock().setProcessEvents(true);
        session->faults().unplugAtExchange(int(n));
        const qint64 mark = session->log().mark();
        form->btnRdRFSettingClick(nullptr);
        session->DeliverEvents();
        const auto entries = session->log().since(mark);
        const auto unplug =
            std::find_if(entries.begin(), entries.end(), [](const auto& e) { return !e.ok; });
        ASSERT_NE(unplug, entries.end()) << n;
        EXPECT_LE(entries.end() - unplug, 3) << n;
        EXPECT_TRUE(std::none_of(unplug, entries.end(), [](const auto& e) { return e.ok; })) << n;
        EXPECT_TRUE(WindowGivenBack()) << n;
        EXPECT_FALSE(form->State().ReadBackInProgress) << n;
        EXPECT_FALSE(form->State().SettingsRead) << n;
    }
}

TEST_F(ReadBackHandlersTest, ChangesToTheDemoMouseReadBackAsChosenInAFreshWindow)
{
    SimSession::Options options;
    options.firmware = SimReceivers::demoFirmware();
    auto changing = std::make_unique<SimSession>(options);
    for (const char* name : {"rbRF_DR_2A", "rbRF_DR_1A", "rbRF_DR_4F", "rbRF_CPI_H"})
        changing->Click(QString::fromLatin1(name));
    changing->Choose("cbRF_Set_BTY_Low_Level", 0);
    EXPECT_TRUE(changing->prompts().messages.isEmpty());
    changing.reset();

    SimSession reading(options);
    reading.Find<QRadioButton>("rbRF_CPI_H")->setChecked(true);  // the CPI read-out's part
    reading.window().btnRdRFSettingClick(nullptr);
    for (const char* name : {"rbRF_DR_2A", "rbRF_DR_1A", "rbRF_DR_4F"})
        EXPECT_TRUE(reading.Find<QRadioButton>(QString::fromLatin1(name))->isChecked()) << name;
    EXPECT_EQ(reading.Find<QComboBox>("cbRF_Set_BTY_Low_Level")->currentIndex(), 0);
    EXPECT_EQ(options.firmware->mouse().cpi(), 1600);
}

TEST_F(ReadBackHandlersTest, ProgressWindowIsCentredAndStaysUntilTheReadBackEnds)
{
    TForm3* progress = form->ProgressWindow();
    // The client area under the window's own title bar.
    EXPECT_EQ(progress->size(), QSize(296, 103 + TSkinTitleBar::kHeight));
    const QSize screen = PrimaryScreenSize();
    EXPECT_EQ(progress->pos(), QPoint(screen.width() / 2 - 148,
                                      screen.height() / 2 - (103 + TSkinTitleBar::kHeight) / 2));
    EXPECT_FALSE(progress->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(progress->pbRdRf->maximum(), 6);
    progress->show();
    progress->close();
    EXPECT_TRUE(progress->isVisible());
    progress->hide();
}

}  // namespace
