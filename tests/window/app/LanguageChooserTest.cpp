#include "window/app/LanguageChooser.h"
#include "window/app/PrimaryScreenSize.h"
#include "window/controls/KARVComboBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(LanguageChooser, CentresOnThePrimaryScreenWithTheMainWindowsTitle)
{
    QWidget mainWindow;
    mainWindow.setWindowTitle(QStringLiteral("Custom Title From Settings"));
    TForm2 chooser(&mainWindow);
    const QSize screen = PrimaryScreenSize();
    EXPECT_EQ(chooser.size(), QSize(353, 182));
    EXPECT_EQ(chooser.pos(), QPoint(screen.width() / 2 - 353 / 2, screen.height() / 2 - 182 / 2));
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Custom Title From Settings"));
    EXPECT_EQ(chooser.lbl1->text(), QStringLiteral("Please select a language."));

    chooser.show();
    EXPECT_EQ(chooser.pos(), QPoint(screen.width() / 2 - 353 / 2, screen.height() / 2 - 182 / 2));
}

TEST(LanguageChooser, OffersTheThreeLanguagesAsPictures)
{
    TForm2 chooser(nullptr);
    ASSERT_EQ(chooser.cbbLang->count(), 3);
    for (int i = 0; i < 3; ++i) {
        const QString item = chooser.cbbLang->itemText(i);
        EXPECT_EQ(TKARVImageComboBox::ItemText(item), QString()) << i;
        EXPECT_EQ(TKARVImageComboBox::ItemImageIndex(item), i);
    }
    EXPECT_EQ(chooser.choice(), lkEng);
    chooser.cbbLang->setCurrentIndex(2);
    EXPECT_EQ(chooser.choice(), lkChs);
}

TEST(LanguageChooser, ClosesOnlyThroughItsButton)
{
    TForm2 chooser(nullptr);
    EXPECT_FALSE(chooser.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(chooser.btnOK->isDefault());
    chooser.show();

    EXPECT_FALSE(chooser.close());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&chooser, &escape);
    EXPECT_TRUE(chooser.isVisible());

    chooser.btnOK->click();
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(chooser.result(), QDialog::Accepted);
}

}  // namespace
