#include "window/engineering/ConsoleFixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <optional>

namespace {

const QString kPassword = QStringLiteral("Q+VELNOD");
const QSize kNormalSize(725, 410);
const QSize kEngineeringSize(975, 545);

void DoubleClick(QWidget* panel, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(4, 4), QPointF(4, 4), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(panel, &event);
    }
}

class EngineeringUnlock : public ConsoleTest {
protected:
    QWidget* Logo() const { return session.Find<QWidget>(QStringLiteral("imgLogo")); }
    void Answer(std::initializer_list<std::optional<QString>> answers)
    {
        session.prompts().passwordAnswers.assign(answers.begin(), answers.end());
    }
    int Prompts() const { return int(session.prompts().passwordPromptsShown.size()); }
    // The user drags the border: the window is made another size.
    QSize SizeAfterDrag()
    {
        form().resize(form().width() + 40, form().height() - 30);
        session.DeliverEvents();
        return form().size();
    }
};

TEST_F(EngineeringUnlock, EveryFifthDoubleClickAsksForThePassword)
{
    Answer({std::nullopt, std::nullopt});
    DoubleClick(Logo(), 4);
    EXPECT_EQ(Prompts(), 0);
    DoubleClick(Logo());
    EXPECT_EQ(Prompts(), 1);
    DoubleClick(Logo(), 4);
    EXPECT_EQ(Prompts(), 1);
    DoubleClick(Logo());
    EXPECT_EQ(Prompts(), 2);
    EXPECT_FALSE(form().EngineeringMode());
    EXPECT_EQ(form().size(), kNormalSize);
}

TEST_F(EngineeringUnlock, PasswordMustMatchExactly)
{
    const QString wrong[] = {QStringLiteral("q+velnod"), QStringLiteral(" Q+VELNOD"),
                             QStringLiteral("Q+VELNOD "), QStringLiteral("Q+VELNO")};
    for (const QString& entry : wrong) {
        Answer({entry});
        DoubleClick(Logo(), 5);
        EXPECT_FALSE(form().EngineeringMode()) << qPrintable(entry);
        EXPECT_EQ(form().size(), kNormalSize);
    }
    EXPECT_EQ(Messages(), 0);
    // Each prompt starts with the entry last confirmed.
    EXPECT_EQ(session.prompts().passwordPromptsShown,
              QStringList({QString(), wrong[0], wrong[1], wrong[2]}));
}

TEST_F(EngineeringUnlock, PasswordEnlargesTheWindowAndTheSizeIsHeld)
{
    EXPECT_EQ(SizeAfterDrag(), kNormalSize);

    Answer({kPassword});
    const QPoint position = form().pos();
    DoubleClick(Logo(), 5);
    EXPECT_TRUE(form().EngineeringMode());
    EXPECT_EQ(form().size(), kEngineeringSize);
    EXPECT_EQ(form().pos(), position);
    EXPECT_EQ(SizeAfterDrag(), kEngineeringSize);

    // A later prompt, right or wrong, changes nothing.
    Answer({QStringLiteral("wrong")});
    DoubleClick(Logo(), 5);
    EXPECT_TRUE(form().EngineeringMode());
    EXPECT_EQ(form().size(), kEngineeringSize);
}

// A working directory with a custom logo; built before the window that reads it.
struct CustomLogoDirectory {
    CustomLogoDirectory()
    {
        QImage logo(120, 40, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        logo.save(directory.filePath(QStringLiteral("logo.bmp")), "BMP");
    }
    SimSession::Options Options() const
    {
        SimSession::Options options;
        options.workingDirectory = directory.path();
        return options;
    }
    QTemporaryDir directory;
};

class CustomLogoUnlock : public CustomLogoDirectory, public ConsoleTest {
protected:
    CustomLogoUnlock() : ConsoleTest(Options()) {}
};

TEST_F(CustomLogoUnlock, DoubleClicksOnEitherLogoCount)
{
    auto* custom = session.Find<QWidget>(QStringLiteral("imgCust"));
    ASSERT_TRUE(custom->isVisibleTo(&form()));
    session.prompts().passwordAnswers = {kPassword};
    DoubleClick(custom, 3);
    DoubleClick(session.Find<QWidget>(QStringLiteral("imgLogo")), 2);
    EXPECT_TRUE(form().EngineeringMode());
    EXPECT_EQ(form().size(), kEngineeringSize);
}

}  // namespace
