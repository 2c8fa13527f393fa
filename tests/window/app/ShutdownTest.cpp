#include "protocol/device/DeviceClock.h"
#include "sim/SimFaults.h"
#include "testing/SimSession.h"
#include "window/app/MainWindow.h"

#include <QListWidget>

#include <gtest/gtest.h>

namespace {

TEST(ShutdownTest, NoReportLeavesOnceTheCloseHasBegunEvenFromAWaitingExchange)
{
    SimSession session;
    ASSERT_NE(session.window().Receiver(), nullptr);
    ASSERT_TRUE(session.window().tmrStatus->isActive());

    qint64 closedAt = -1;
    session.clock().setPumpHook([&] {
        if (closedAt < 0) {
            closedAt = session.log().mark();
            session.window().close();  // the user closes the window while the exchange waits
        }
    });
    session.faults().nackReplies(SimFaults::kAlways);
    EXPECT_EQ(session.window().EepromReadWord(15), -1);
    session.window().RfQuery(0x24, 0x10);
    session.window().EepromWriteWord(7, 0x00FF);

    EXPECT_TRUE(session.log().since(closedAt).empty());
    EXPECT_FALSE(session.window().tmrStatus->isActive());
    EXPECT_EQ(session.Find<QListWidget>(QStringLiteral("DevListBox"))->count(), 0);
    EXPECT_EQ(session.endProcessCalls(), std::vector<int>{0});
}

}  // namespace
