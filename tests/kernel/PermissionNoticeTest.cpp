// Run as a user the node is not given to (guest/permissions.sh starts the receiver as root,
// without the udev rule): the window says so once, naming the node, and attaches nothing.
#include "GuestRig.h"
#include "protocol/device/linux/LinuxHidBackend.h"
#include "window/app/MainWindow.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(RealStackPermissions, WindowNoticeNamesTheNodeThisUserMayNotOpen)
{
    ASSERT_NE(geteuid(), 0u) << "needs a user without access to the receiver's node";
    const std::vector<QString> nodes = HidrawNodesOf(0x7A3C, 0x0E41);
    ASSERT_EQ(nodes.size(), 1u);
    GuestWindow window(CreateLinuxHidBackend(), std::make_shared<SteppedClock>());
    const QStringList& notices = window.services.prompts->notices;
    ASSERT_TRUE(WaitFor([&] { return !notices.isEmpty(); }, 5000));
    EXPECT_TRUE(notices.front().contains(nodes.front())) << notices.front().toStdString();
    EXPECT_EQ(notices.size(), 1);
    EXPECT_EQ(window->Receiver(), nullptr);
}

}  // namespace
