#include "window/app/LanguageChooser.h"
#include "window/app/PrimaryScreenSize.h"
#include "window/app/UserPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs check on the modal dialog once its modal loop has started. A dialog the check leaves
// open is closed, so that a failed check cannot hang the test.
template <class Dialog>
void WhenShown(std::function<void(Dialog&)> check)
{
    QTimer::singleShot(0, [check] {
        QPointer<QDialog> modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (auto* dialog = qobject_cast<Dialog*>(modal.data()))
            check(*dialog);
        else
            ADD_FAILURE() << "no modal dialog of the expected kind";
        if (modal && modal->isVisible())
            modal->done(QDialog::Rejected);
    });
}

QPoint ScreenCentre(const QWidget& widget)
{
    const QSize screen = PrimaryScreenSize();
    return {screen.width() / 2 - widget.width() / 2, screen.height() / 2 - widget.height() / 2};
}

TEST(QtUserPrompts, PasswordPromptMasksEntryAndReturnsItOnOk)
{
    QtUserPrompts prompts;
    QString value = QStringLiteral("previous");
    WhenShown<QInputDialog>([](QInputDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TEST MODE"));
        EXPECT_EQ(dialog.labelText(), QStringLiteral("PASSWORD:"));
        EXPECT_EQ(dialog.textEchoMode(), QLineEdit::Password);
        EXPECT_EQ(dialog.textValue(), QStringLiteral("previous"));
        EXPECT_EQ(dialog.pos(), ScreenCentre(dialog));
        dialog.setTextValue(QStringLiteral("secret"));
        const auto* entry = dialog.findChild<QLineEdit*>();
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->displayText(), QStringLiteral("******"));  // not the style's dot
        dialog.accept();
    });
    EXPECT_TRUE(prompts.askPassword(nullptr, value));
    EXPECT_EQ(value, QStringLiteral("secret"));
}

TEST(QtUserPrompts, PasswordPromptCancelledKeepsTheEntry)
{
    QtUserPrompts prompts;
    QString value = QStringLiteral("previous");
    WhenShown<QInputDialog>([](QInputDialog& dialog) {
        dialog.setTextValue(QStringLiteral("typed"));
        dialog.reject();
    });
    EXPECT_FALSE(prompts.askPassword(nullptr, value));
    EXPECT_EQ(value, QStringLiteral("previous"));
}

TEST(QtUserPrompts, InformationHasTitleIconAndOneOkButtonCentredOnScreen)
{
    QtUserPrompts prompts;
    bool seen = false;
    WhenShown<QMessageBox>([&seen](QMessageBox& box) {
        seen = true;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Connect"));
        EXPECT_EQ(box.text(), QStringLiteral("Connect Success"));
        EXPECT_EQ(box.icon(), QMessageBox::Information);
        ASSERT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.buttons().first()->text(), QStringLiteral("OK"));
        EXPECT_EQ(box.pos(), ScreenCentre(box));
        // Wide enough for the whole title the window manager shows.
        EXPECT_GE(box.width(), TitleFittingWidth(box.windowTitle(), box.font()));
        EXPECT_GT(TitleFittingWidth(box.windowTitle(), box.font()),
                  box.fontMetrics().horizontalAdvance(QGuiApplication::applicationDisplayName()));
        box.buttons().first()->click();
    });
    QGuiApplication::setApplicationDisplayName(
        QStringLiteral("Karvelo 2.4G RF SoC Setting Tool V0.15"));
    prompts.showInformation(nullptr, QStringLiteral("Connect"), QStringLiteral("Connect Success"));
    QGuiApplication::setApplicationDisplayName(QString());
    EXPECT_TRUE(seen);
}

TEST(QtUserPrompts, LanguageChooserRunsModallyUntilOk)
{
    QtUserPrompts prompts;
    TForm2 chooser(nullptr);
    WhenShown<TForm2>([](TForm2& shown) {
        EXPECT_TRUE(shown.isModal());
        shown.cbbLang->setCurrentIndex(lkCht);
        shown.btnOK->click();
    });
    prompts.runLanguageChooser(chooser);
    EXPECT_EQ(chooser.choice(), lkCht);
    EXPECT_FALSE(chooser.isVisible());
}

TEST(QtUserPrompts, NoticeDoesNotWaitIsReplacedAndKeepsCommandLinesWhole)
{
    const auto openNotices = [] {
        QList<QMessageBox*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
                open << box;
        return open;
    };
    QtUserPrompts prompts;
    prompts.showNotice(nullptr, QStringLiteral("T"), QStringLiteral("x"), true);
    EXPECT_TRUE(openNotices().isEmpty());  // nothing open: nothing to put into another language

    prompts.showNotice(nullptr, QStringLiteral("First"), QStringLiteral("a"), false);
    prompts.showNotice(
        nullptr, QStringLiteral("Receiver not accessible"),
        QStringLiteral("Problem <here>.\nRun:\n    cmd one | tee x\n    cmd two\nThen."), false);
    const QList<QMessageBox*> open = openNotices();
    ASSERT_EQ(open.size(), 1);  // returned at once, and replaced
    QMessageBox* box = open.first();
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Receiver not accessible"));
    EXPECT_EQ(box->text(), QStringLiteral("<p>Problem &lt;here&gt;.</p><p>Run:</p>"
                                          "<pre>cmd one | tee x\ncmd two</pre><p>Then.</p>"));
    box->close();
}

}  // namespace
