#include "app/Unit1.h"
#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"
#include "sim/SimReceivers.h"
#include "sim/SimSession.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

namespace {

TEST(ReceiverAttachTest, AttachesTheSimulatedReceiverAtStart)
{
    SimSession session;
    EXPECT_EQ(session.Find<QLineEdit>(QStringLiteral("edtVID"))->text(), QStringLiteral("7A3C"));
    EXPECT_EQ(session.Find<QLineEdit>(QStringLiteral("edtPID"))->text(), QStringLiteral("0E41"));
    EXPECT_TRUE(session.Find<QLabel>(QStringLiteral("imgConnected"))->isVisibleTo(&session.window()));
    EXPECT_EQ(session.Find<QListWidget>(QStringLiteral("DevListBox"))->count(), 2);
    EXPECT_TRUE(session.window().tmrStatus->isActive());
}

TEST(ReceiverAttachTest, UnpluggingReturnsToTheNoReceiverState)
{
    SimSession session;
    session.Unplug(session.receiverId());
    session.DeliverEvents();
    EXPECT_TRUE(session.Find<QLineEdit>(QStringLiteral("edtVID"))->text().isEmpty());
    EXPECT_TRUE(session.Find<QLabel>(QStringLiteral("imgNoneDev"))->isVisibleTo(&session.window()));
    EXPECT_EQ(session.Find<QListWidget>(QStringLiteral("DevListBox"))->count(), 0);
    EXPECT_FALSE(session.window().tmrStatus->isActive());
    EXPECT_EQ(session.window().Receiver(), nullptr);
}

} // namespace
