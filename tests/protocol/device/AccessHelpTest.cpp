#include "protocol/device/AccessHelp.h"
#include "protocol/i18n/Lang.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

HidNodeInfo Node(const char* path, int collection, quint16 productId)
{
    HidNodeInfo node;
    node.path = QString::fromLatin1(path);
    node.instanceId = node.path + QString::number(collection);
    node.collectionIndex = collection;
    node.vendorId = 0x7A3C;
    node.productId = productId;
    return node;
}

TEST(AccessHelpTest, NamesTheReceiverNodesOnceAndGivesTheCommandsInEachLanguage)
{
    const std::vector<HidNodeInfo> refused = {
        Node("/dev/hidraw3", 0, 0x0E42), Node("/dev/hidraw3", 1, 0x0E42),
        Node("/dev/hidraw4", 0, 0x0E42), Node("/dev/hidraw9", 0, 0x0001)};
    const struct {
        TLanguateKind language;
        const char* problem;
        const char* afterwards;
    } cases[] = {
        {lkEng,
         "The receiver 7A3C:0E42 is plugged in at /dev/hidraw3, /dev/hidraw4, but this user may "
         "not open it: the udev rule that grants access to it is missing or not yet applied.",
         "Then unplug the receiver and plug it in again."},
        {lkCht, "接收器 7A3C:0E42 已插在 /dev/hidraw3, /dev/hidraw4，但目前的使用者無權開啟它",
         "然後拔下接收器，再重新插入。"},
        {lkChs, "接收器 7A3C:0E42 已插在 /dev/hidraw3, /dev/hidraw4，但当前用户无权打开它",
         "然后拔下接收器，再重新插入。"},
    };
    for (const auto& c : cases) {
        CurrentLanguage = c.language;
        const AccessHelp help = AccessHelpFor(refused, QStringLiteral("karvelo-rf-tool"));
        EXPECT_TRUE(help.problem.startsWith(QString::fromUtf8(c.problem))) << c.language;
        EXPECT_EQ(help.afterwards, QString::fromUtf8(c.afterwards));
        EXPECT_EQ(help.commands, (QStringList{"karvelo-rf-tool --print-udev-rules | sudo tee "
                                              "/etc/udev/rules.d/70-karvelo-rf-receiver.rules",
                                              "sudo udevadm control --reload",
                                              "sudo udevadm trigger --subsystem-match=hidraw"}));
        EXPECT_TRUE(
            help.plainText().contains(QStringLiteral("\n    sudo udevadm control --reload\n")));
    }
    CurrentLanguage = lkEng;
}

TEST(AccessHelpTest, OtherDevicesGetNoHelpAndTheRuleIsTheShippedFile)
{
    EXPECT_TRUE(AccessHelpFor({Node("/dev/hidraw9", 0, 0x0001)}, QStringLiteral("x")).empty());
    EXPECT_TRUE(AccessHelpFor({}, QStringLiteral("x")).empty());

    QFile shipped(QStringLiteral(KARVELO_SOURCE_DIR "/packaging/70-karvelo-rf-receiver.rules"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray(UdevRuleText()), shipped.readAll());
}

}  // namespace
