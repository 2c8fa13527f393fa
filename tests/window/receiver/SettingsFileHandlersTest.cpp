#include "protocol/device/DeviceClock.h"
#include "sim/MouseModel.h"
#include "sim/ReceiverModel.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QAction* Entry(TForm1& window, const char* text)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QString::fromUtf8(text))
            return action;
    return nullptr;
}

// Load asks with the differences, writes them once confirmed and the controls show them; a
// bad file is refused with its problem named, and nothing is written.
TEST(SettingsFileHandlersTest, LoadAsksWithTheDifferencesWritesThemAndRefusesABadFile)
{
    SimSession session;
    TForm1& window = session.window();
    window.btnRdRFSettingClick(nullptr);
    QTemporaryDir folder;
    const auto file = [&folder](const char* name, const QByteArray& text) {
        QFile saved(folder.filePath(QString::fromLatin1(name)));
        saved.open(QIODevice::WriteOnly);
        saved.write(text);
        return saved.fileName();
    };
    RecordingPrompts& prompts = session.prompts();
    prompts.fileAnswers << file("good.json", R"({"wakeup": "button-only", "batteryLow": "1.8"})");
    prompts.questionAnswers = {true};
    QAction* load = Entry(window, "Load settings from a file…");
    ASSERT_NE(load, nullptr);
    load->trigger();
    ASSERT_EQ(prompts.questions.size(), 1);
    EXPECT_TRUE(
        prompts.questions[0].contains("Wakeup Setting: Motion+Button Wakeup -> Button Wakeup Only"))
        << prompts.questions[0].toStdString();
    EXPECT_TRUE(session.Find<QRadioButton>("rbRF_DR_2A")->isChecked());
    EXPECT_EQ(session.Find<QComboBox>("cbRF_Set_BTY_Low_Level")->currentIndex(), 7);
    EXPECT_EQ(session.firmware().mouse().eeprom(0x14), 0xAA);
    EXPECT_EQ(session.firmware().mouse().eeprom(0x1A), 0x00);
    EXPECT_TRUE(prompts.messages.isEmpty());

    const qint64 mark = session.log().mark();
    prompts.fileAnswers << file("bad.json", R"({"wakeup": "sometimes"})");
    load->trigger();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains("'sometimes' is not a value of 'wakeup'"));
    EXPECT_TRUE(session.SentSince(mark).empty());
    EXPECT_EQ(prompts.fileDialogFolders.last(), folder.path());  // the last folder remembered

    // A new mouse that reads back otherwise than the last file loaded: one question, and "no"
    // leaves it as it is.
    session.firmware().mouse().setEeprom(0x14, 0x55);
    session.firmware().mouse().setEeprom(0x15, 0xAA);
    session.firmware().setPairing({2500, false, 0});
    session.firmware().mouse().setMoving(true);
    session.Click("btnCombo_Cmd_Soft_Bind_SW");
    for (int tick = 0; tick < 20 && window.tmrSoftBind->isActive(); ++tick) {
        session.clock().advance(1000);
        window.tmrSoftBindTimer(window.tmrSoftBind);
    }
    ASSERT_EQ(prompts.questions.size(), 2);
    EXPECT_TRUE(prompts.questions[1].contains("A new mouse is paired"));
    EXPECT_EQ(session.firmware().mouse().eeprom(0x14), 0x55);
}

}  // namespace
