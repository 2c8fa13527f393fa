#include "protocol/device/linux/FileReceiverLock.h"
#include "support/SimRig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CountingLock final : public ReceiverLock {
public:
    bool acquire(const QString& path, int waitMs) override
    {
        paths << path;
        lastWait = waitMs;
        held = grant;
        return grant;
    }
    void release() override
    {
        ++releases;
        held = false;
    }
    QStringList paths;
    int lastWait = -1;
    int releases = 0;
    bool grant = true;
    bool held = false;
};

TEST(ReceiverLockTest, OneAcquirePerOutermostRunHeldAcrossItsPumps)
{
    SimRig rig;
    auto lock = std::make_shared<CountingLock>();
    rig.channel.setLock(lock, 300);
    rig.clock->setPumpHook([&] {
        EXPECT_TRUE(lock->held);
        rig.channel.RfCommand(0x2B, 0x5A, 0x33);  // a click delivered by the pump
    });
    EXPECT_TRUE(rig.channel.EepromWriteWord(7, 0x00FF));
    rig.clock->setPumpHook({});
    EXPECT_EQ(lock->paths, QStringList{rig.receiver->PnPInfo().DevicePath});
    EXPECT_EQ(lock->lastWait, 300);
    EXPECT_EQ(lock->releases, 1);
    EXPECT_FALSE(lock->held);

    rig.channel.plainCommand(CommandChannel::request({0x0C}));
    EXPECT_EQ(lock->paths.size(), 2);
    EXPECT_FALSE(rig.channel.lockRefused());
}

TEST(ReceiverLockTest, RunRefusedTheLockSendsNothingAndSaysSo)
{
    SimRig rig;
    auto lock = std::make_shared<CountingLock>();
    lock->grant = false;
    rig.channel.setLock(lock, 0);
    rig.clock->clearRecord();
    EXPECT_TRUE(rig.sent([&] {
                       EXPECT_EQ(rig.channel.EepromReadWord(15), -1);
                       rig.channel.plainCommand(CommandChannel::request({0x0C}));
                   })
                    .empty());
    EXPECT_TRUE(rig.clock->sleeps().empty());
    EXPECT_TRUE(rig.channel.lockRefused());
    EXPECT_EQ(lock->releases, 0);
}

TEST(ReceiverLockTest, FileLockKeepsASecondHolderOutUntilReleased)
{
    QTemporaryDir runtime;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    const QString node = QStringLiteral("/dev/hidraw3");
    EXPECT_EQ(FileReceiverLock::FileFor(node), runtime.path() + "/karvelo-rf-_dev_hidraw3.lock");
    {
        FileReceiverLock first;
        FileReceiverLock second;
        EXPECT_TRUE(first.acquire(node, 0));
        EXPECT_FALSE(second.acquire(node, 40));  // waits, then gives up
        EXPECT_TRUE(second.acquire(QStringLiteral("/dev/hidraw4"), 0));
        first.release();
        EXPECT_TRUE(second.acquire(node, 0));
        second.release();  // both keep their files open: taking it again still excludes
        EXPECT_TRUE(first.acquire(node, 0));
        EXPECT_FALSE(second.acquire(node, 0));
    }
    qputenv("XDG_RUNTIME_DIR", saved);
}

}  // namespace
