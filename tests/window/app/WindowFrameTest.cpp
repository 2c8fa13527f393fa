#include "protocol/i18n/Lang.h"
#include "testing/SimSession.h"
#include "window/app/LanguageChooser.h"
#include "window/app/MainWindow.h"
#include "window/app/SkinFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TSkinTitleBar* TitleBar(QWidget& window)
{
    return window.findChild<TSkinTitleBar*>(QStringLiteral("skinTitleBar"));
}

// The tool frames its windows itself, so that no window manager adds buttons the windows must
// not have: the main window minimises and closes but does not maximise, the chooser has none.
TEST(WindowFrameTest, MainWindowHasNoMaximiseAndItsCloseButtonRunsTheCloseSequence)
{
    SimSession session;
    TForm1& window = session.window();
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    TSkinTitleBar* bar = TitleBar(window);
    ASSERT_NE(bar, nullptr);
    EXPECT_NE(bar->systemMenuButton(), nullptr);
    EXPECT_NE(bar->minimiseButton(), nullptr);
    EXPECT_EQ(bar->findChildren<QToolButton*>().size(), 3);  // menu, minimise, close
    EXPECT_EQ(bar->geometry(), QRect(1, 1, 723, TSkinTitleBar::kHeight));
    for (QWidget* control : {window.findChild<QWidget*>(QStringLiteral("imgLogo")),
                             window.findChild<QWidget*>(QStringLiteral("gbSysStatus"))})
        EXPECT_FALSE(bar->geometry().intersects(control->geometry()));

    // The system menu speaks the language in force, and holds the tray's choices and Quit.
    session.Choose(QStringLiteral("cbbLang"), lkChs);
    const QList<QAction*> entries = bar->systemMenuButton()->menu()->actions();
    // Settings files and the report, a line, the window's two, then the tray's choices and Quit.
    ASSERT_EQ(entries.size(), 11);
    EXPECT_EQ(entries[1]->text(), QString::fromUtf8("从文件载入设定…"));
    EXPECT_EQ(entries[2]->text(), QString::fromUtf8("复制报告"));
    EXPECT_EQ(entries[4]->text(), QString::fromUtf8("最小化"));
    EXPECT_EQ(entries[5]->text(), QString::fromUtf8("关闭"));
    EXPECT_EQ(entries[7]->text(), QString::fromUtf8("在系统托盘中保持运行"));
    EXPECT_EQ(entries[10]->text(), QString::fromUtf8("退出"));
    session.Choose(QStringLiteral("cbbLang"), lkEng);
    EXPECT_EQ(entries[5]->text(), "Close");

    bar->closeButton()->click();
    EXPECT_EQ(session.endProcessCalls(), std::vector<int>{0});
}

// The receiver as the window shows it, the rest gathered off the UI thread, on the clipboard.
TEST(WindowFrameTest, CopyAReportPutsTheReportOnTheClipboard)
{
    SimSession session;
    QString copied;
    session.window().OnReportCopied = [&copied](const QString& text) { copied = text; };
    for (QAction* entry : TitleBar(session.window())->systemMenuButton()->menu()->actions())
        if (entry->text() == QLatin1String("Copy a report"))
            entry->trigger();
    QElapsedTimer waited;
    waited.start();
    while (copied.isEmpty() && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
    EXPECT_TRUE(copied.contains(QRegularExpression("\n  mouse ID +masked")));
    EXPECT_TRUE(copied.contains(QRegularExpression("\n  hotkey1 +WWW HOME\n")))
        << copied.toStdString();
    EXPECT_TRUE(copied.contains(QRegularExpression("\n  Qt +" QT_VERSION_STR "\n")));
}

TEST(WindowFrameTest, ChooserTitleBarShowsTheMainTitleWithoutButtons)
{
    QWidget main;
    main.setWindowTitle(QStringLiteral("Custom title"));
    TForm2 chooser(&main);
    EXPECT_TRUE(chooser.windowFlags() & Qt::FramelessWindowHint);
    ASSERT_NE(TitleBar(chooser), nullptr);
    EXPECT_TRUE(TitleBar(chooser)->findChildren<QToolButton*>().isEmpty());
    EXPECT_EQ(chooser.windowTitle(), QStringLiteral("Custom title"));
}

TEST(WindowFrameTest, KeyboardFocusDoesNotStartOnAReadOut)
{
    for (const bool receiver : {false, true}) {
        SimSession::Options options;
        options.plugReceiver = receiver;
        SimSession session(options);
        TForm1& window = session.window();
        window.activateWindow();
        QApplication::processEvents();
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        const auto* edit = qobject_cast<QLineEdit*>(focus);
        EXPECT_FALSE(edit &&
                     (edit->isReadOnly() || edit->objectName() == QStringLiteral("edtPID") ||
                      edit->objectName() == QStringLiteral("edtCPI")))
            << qPrintable(focus->objectName());
    }
}

}  // namespace
