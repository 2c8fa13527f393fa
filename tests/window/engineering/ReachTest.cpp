// What the keyboard can reach: only the controls the window shows at its present size.
#include "window/engineering/ConsoleFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSet>
#include <QTest>

namespace {

const QString kPassword = QStringLiteral("Q+VELNOD");

class Reach : public ConsoleTest {
protected:
    void SetUp() override
    {
        form().show();
        form().activateWindow();
        QApplication::setActiveWindow(&form());
        session.DeliverEvents();
    }
    bool ShownNow(const QWidget* widget) const
    {
        const QRect area(widget->mapTo(&form(), QPoint(0, 0)), widget->size());
        return widget->isVisible() && form().rect().contains(area);
    }
    // Every control Tab stops at, once round the chain.
    std::vector<QWidget*> FocusChain() const
    {
        std::vector<QWidget*> stops;
        QSet<QWidget*> seen;
        for (int step = 0; step < 500; ++step) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || seen.contains(focus))
                break;
            seen.insert(focus);
            stops.push_back(focus);
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return stops;
    }
    void OpenEngineeringSize()
    {
        session.prompts().passwordAnswers.assign(1, kPassword);
        for (int i = 0; i < 5; ++i)
            form().imgLogoDblClick(nullptr);
        session.DeliverEvents();
    }
    std::vector<QWidget*> Hidden() const
    {
        std::vector<QWidget*> hidden;
        for (QWidget* widget : form().findChildren<QWidget*>())
            if (widget->focusPolicy() != Qt::NoFocus && !ShownNow(widget))
                hidden.push_back(widget);
        return hidden;
    }
};

TEST_F(Reach, TabStopsOnlyAtShownControlsAtBothSizes)
{
    for (const bool engineering : {false, true}) {
        if (engineering)
            OpenEngineeringSize();
        const std::vector<QWidget*> stops = FocusChain();
        ASSERT_GT(stops.size(), 5u);
        for (QWidget* stop : stops)
            EXPECT_TRUE(ShownNow(stop)) << qPrintable(stop->objectName()) << " " << engineering;
        const bool identityReached =
            std::count(stops.begin(), stops.end(), Control("edtVID_SET")) == 1;
        EXPECT_EQ(identityReached, engineering);
    }
}

TEST_F(Reach, KeysAndMnemonicsOfHiddenControlsSendNothing)
{
    // Tab to the stored VID's box (past the title bar's three buttons), type a VID and press
    // its write button.
    EXPECT_EQ(Sent([&] {
                  for (int i = 0; i < 13; ++i)
                      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1234"));
                  for (int i = 0; i < 2; ++i)
                      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
              }),
              std::vector<QString>{});
    for (QWidget* hidden : Hidden()) {
        const auto* button = qobject_cast<QAbstractButton*>(hidden);
        const int mnemonic = button ? button->text().indexOf(QLatin1Char('&')) : -1;
        if (mnemonic < 0 || mnemonic + 1 >= button->text().size())
            continue;
        const QChar key = button->text().at(mnemonic + 1).toUpper();
        EXPECT_EQ(Sent([&] { QTest::keyClick(&form(), key.toLatin1(), Qt::AltModifier); }),
                  std::vector<QString>{})
            << qPrintable(hidden->objectName());
    }
    EXPECT_EQ(Messages(), 0);
}

}  // namespace
