#include "protocol/device/DeviceClock.h"
#include "protocol/receiver/ReceiverState.h"
#include "sim/MouseModel.h"
#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const QString kSetupFail = QStringLiteral("Setup fail, please move mouse to rebuild RF Link!");

class OptionHandlersTest : public ::testing::Test {
protected:
    std::unique_ptr<SimSession> session = std::make_unique<SimSession>();
    MouseModel& mouse = session->firmware().mouse();

    QRadioButton* Radio(const char* name) const
    {
        return session->Find<QRadioButton>(QString::fromLatin1(name));
    }
    QString Box(const char* name) const
    {
        return session->Find<QLineEdit>(QString::fromLatin1(name))->text();
    }
    std::vector<QString> Sent(const std::function<void()>& action) const
    {
        const qint64 mark = session->log().mark();
        action();
        return session->SentSince(mark);
    }
    void StorePair(quint8 address, quint8 value)
    {
        mouse.setEeprom(address, value);
        mouse.setEeprom(quint8(address + 1), quint8(value ^ 0xFF));
    }
};

TEST_F(OptionHandlersTest, ChoiceGoesThroughTheRegisterBoxesWithTheStatusTimerHeldOff)
{
    ASSERT_TRUE(session->window().tmrStatus->isActive());
    bool timerRanDuringChange = false;
    session->clock().setPumpHook(
        [&] { timerRanDuringChange |= session->window().tmrStatus->isActive(); });
    EXPECT_EQ(Sent([&] { session->Click("rbRF_DR_2A"); }).size(), 5u);  // one pass
    EXPECT_FALSE(timerRanDuringChange);
    EXPECT_TRUE(session->window().tmrStatus->isActive());
    EXPECT_EQ(Box("edtRF_DirectRegAddr"), "FF");
    EXPECT_EQ(Box("edtRF_DirectRegData"), "2A");

    // The CPI travels through the setup spin box, and its read-out is renewed afterwards.
    EXPECT_EQ(Sent([&] { session->Click("rbRF_CPI_L"); })[1], "01 2F AA 00 CC 00 00 00");
    EXPECT_EQ(session->Find<QSpinBox>("edtC_RF_SETUP_CPI")->value(), 0);
    EXPECT_TRUE(session->window().State().CpiChanged);
    EXPECT_EQ(mouse.cpi(), 800);

    EXPECT_EQ(Sent([&] { session->Choose("cbRF_Set_BTY_Low_Level", 3); })[1],
              "01 23 AA FF 64 00 00 00");
    EXPECT_EQ(mouse.eeprom(0x1A), 0x80);
    EXPECT_TRUE(session->prompts().messages.isEmpty());
}

TEST_F(OptionHandlersTest, ChoiceAlreadyOnShowSendsNothing)
{
    session->Click("rbRF_DR_4F");
    session->Choose("cbRF_Set_BTY_Low_Level", 5);
    EXPECT_TRUE(Sent([&] {
                    session->Click("rbRF_DR_4F");
                    session->Choose("cbRF_Set_BTY_Low_Level", 5);
                }).empty());
    EXPECT_FALSE(Sent([&] { session->Click("rbRF_DR_45"); }).empty());
}

TEST_F(OptionHandlersTest, ChangeTheMouseDoesNotTakeShowsItsAnswerAndSaysSo)
{
    StorePair(0x14, 0x55);
    mouse.setEepromLocked(true);
    const auto sent = Sent([&] { session->Click("rbRF_DR_2A"); });
    EXPECT_EQ(std::count(sent.begin(), sent.end(), QStringLiteral("01 23 AA FF 2A 00 00 00")), 50);
    EXPECT_EQ(sent.back(), "01 2C AA 00 00 00 00 00");  // the selection going back sends nothing
    EXPECT_TRUE(Radio("rbRF_DR_25")->isChecked());
    EXPECT_EQ(session->prompts().messages, QStringList{kSetupFail});

    // No answer at all: the choice before the click comes back.
    mouse.setInReach(false);
    session->Click("rbRF_DR_2A");
    EXPECT_TRUE(Radio("rbRF_DR_25")->isChecked());
    // With nothing shown before the click, nothing is shown after it.
    session->Choose("cbRF_Set_BTY_Low_Level", 0);
    EXPECT_EQ(session->Find<QComboBox>("cbRF_Set_BTY_Low_Level")->currentIndex(), -1);
    EXPECT_EQ(session->prompts().messages.size(), 3);
    EXPECT_TRUE(session->window().tmrStatus->isActive());
}

TEST_F(OptionHandlersTest, SecondChangeInsideTheFirstLeavesMouseAndWindowAgreeing)
{
    // The user changes the same group, and another one, while the first change waits.
    bool clicked = false;
    session->clock().setPumpHook([&] {
        if (std::exchange(clicked, true))
            return;
        session->Click("rbRF_DR_25");
        session->Click("rbRF_DR_1A");
    });
    session->Click("rbRF_DR_2A");
    EXPECT_TRUE(Radio("rbRF_DR_25")->isChecked());
    EXPECT_EQ(mouse.eeprom(0x14), 0x55);
    EXPECT_TRUE(Radio("rbRF_DR_1A")->isChecked());
    EXPECT_EQ(mouse.eeprom(0x12), 0xCC);
    EXPECT_TRUE(session->window().tmrStatus->isActive());
    EXPECT_TRUE(session->prompts().messages.isEmpty());
}

TEST_F(OptionHandlersTest, ChangeArmsTheStatusTimerAlsoWhenItWasOff)
{
    session->window().tmrStatus->stop();  // as after an attach whose battery read failed
    session->Click("rbRF_DR_2A");
    EXPECT_TRUE(session->window().tmrStatus->isActive());
}

TEST_F(OptionHandlersTest, ReceiverUnpluggedAtAnyExchangeEndsTheChange)
{
    const qint64 all = session->log().mark();
    session->Click("rbRF_DR_2A");
    const size_t exchanges = session->log().since(all).size();
    ASSERT_EQ(exchanges, 7u);
    for (size_t n = 1; n <= exchanges; ++n) {
        session = std::make_unique<SimSession>();
        session->clock().setProcessEvents(true);  // the device change runs where events run
        session->faults().unplugAtExchange(int(n));
        const qint64 mark = session->log().mark();
        session->Click("rbRF_DR_2A");
        session->DeliverEvents();
        const auto entries = session->log().since(mark);
        const auto unplug =
            std::find_if(entries.begin(), entries.end(), [](const auto& e) { return !e.ok; });
        ASSERT_NE(unplug, entries.end()) << n;
        // Only the calls already under way before the change was noticed, and they failed.
        EXPECT_LE(entries.end() - unplug, 3) << n;
        EXPECT_TRUE(std::none_of(unplug, entries.end(), [](const auto& e) { return e.ok; })) << n;
        EXPECT_FALSE(session->window().tmrStatus->isActive()) << n;
        EXPECT_FALSE(Radio("rbRF_DR_2A")->isEnabled()) << n;
        EXPECT_TRUE(session->prompts().messages.isEmpty()) << n;
    }
}

TEST_F(OptionHandlersTest, AutoConnectIsOnePassThroughTheRegisterBoxes)
{
    EXPECT_EQ(Sent([&] { session->Click("rbRF_DR_5A"); }).size(), 4u);
    EXPECT_EQ(Box("edtRF_IndexRegAddr"), "5");
    EXPECT_EQ(Box("edtRF_DirectRegData"), "5A");
    EXPECT_TRUE(mouse.powerOnAutoConnect());
    EXPECT_EQ(Sent([&] { session->Click("rbRF_DR_55"); }).size(), 3u);
    EXPECT_FALSE(mouse.powerOnAutoConnect());
}

// Tab enters a row of radio buttons at its choice (a space there changes nothing), and the
// arrows move the choice within the row, as a change of the user's.
TEST_F(OptionHandlersTest, KeyboardEntersARowAtItsChoiceAndArrowsMoveIt)
{
    session->window().show();
    session->Find<QLineEdit>("edtCPI")->setFocus();
    session->window().State().ReadBackInProgress = true;  // shown as the read-back shows it
    session->window().SetChecked(Radio("rbRF_CPI_L"), true);
    session->window().State().ReadBackInProgress = false;
    EXPECT_FALSE(Radio("rbRF_CPI_H")->focusPolicy() & Qt::TabFocus);
    Radio("rbRF_CPI_L")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(Sent([&] { QTest::keyClick(Radio("rbRF_CPI_L"), Qt::Key_Space); }).empty());
    EXPECT_TRUE(Radio("rbRF_CPI_L")->isChecked());
    const std::vector<QString> sent =
        Sent([&] { QTest::keyClick(Radio("rbRF_CPI_L"), Qt::Key_Up); });
    EXPECT_TRUE(Radio("rbRF_CPI_H")->isChecked());
    EXPECT_NE(std::find(sent.begin(), sent.end(), "01 2F AA 01 CC 00 00 00"), sent.end());
    EXPECT_TRUE(Radio("rbRF_CPI_H")->focusPolicy() & Qt::TabFocus);
}

}  // namespace
