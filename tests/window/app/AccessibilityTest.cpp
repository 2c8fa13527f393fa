// What a screen reader gets: the window's accessibility tree at both sizes in every language.
#include "protocol/i18n/Lang.h"
#include "testing/RecordingPrompts.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"
#include "window/controls/ProgBar.h"

#include <QAccessible>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

struct Walk {
    QRect window;
    int named = 0;
    int gauges = 0;
};

// Every node that says it shows: inside the window, named, never by an item code ("|0"); a
// gauge is a value with its range. Hidden nodes are walked too, for what they hold.
void Check(QAccessibleInterface* node, Walk& walk, const QString& path)
{
    const QString name = node->text(QAccessible::Name);
    const QString where = path + QLatin1Char('/') +
                          (node->object() ? node->object()->objectName() : QString()) +
                          QStringLiteral(" \"") + name + QLatin1Char('"');
    if (!node->state().invisible) {
        EXPECT_TRUE(walk.window.contains(node->rect())) << qPrintable(where);
        EXPECT_FALSE(name.trimmed().isEmpty()) << qPrintable(where);
        EXPECT_FALSE(name.contains(QRegularExpression(QStringLiteral("^\\|\\d$"))))
            << qPrintable(where);
        ++walk.named;
    }
    if (const auto* gauge = qobject_cast<const TProgBar*>(node->object())) {
        ASSERT_NE(node->valueInterface(), nullptr) << qPrintable(where);
        EXPECT_EQ(node->valueInterface()->currentValue().toDouble(), gauge->Value());
        EXPECT_EQ(node->valueInterface()->maximumValue().toDouble(), gauge->Max());
        ++walk.gauges;
    }
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            Check(child, walk, where);
}

TEST(Accessibility, EveryShownControlHasANameAtBothSizesInEveryLanguage)
{
    struct Case {
        bool engineering;
        TLanguateKind language;
        int atLeastNamed;
    };
    const Case cases[] = {{false, lkEng, 30}, {false, lkCht, 30}, {false, lkChs, 30},
                          {true, lkEng, 60},  {true, lkCht, 60},  {true, lkChs, 60}};
    for (const Case& c : cases) {
        SimSession session;
        TForm1& window = session.window();
        if (c.engineering) {
            session.prompts().passwordAnswers.assign(1, QStringLiteral("Q+VELNOD"));
            for (int i = 0; i < 5; ++i)
                window.imgLogoDblClick(nullptr);
            session.DeliverEvents();
        }
        session.Choose(QStringLiteral("cbbLang"), c.language);
        Walk walk{QRect(window.mapToGlobal(QPoint(0, 0)), window.size())};
        Check(QAccessible::queryAccessibleInterface(&window), walk, QString::number(c.language));
        EXPECT_GE(walk.named, c.atLeastNamed) << c.engineering << c.language;
        EXPECT_EQ(walk.gauges, 2) << c.engineering << c.language;
    }
}

}  // namespace
