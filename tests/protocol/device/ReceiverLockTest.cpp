#include "protocol/device/linux/FileReceiverLock.h"
#include "support/SimRig.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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
    EXPECT_EQ(FileReceiverLock::fileFor(node), runtime.path() + "/karvelo-rf-_dev_hidraw3.lock");
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

// Without a runtime folder the lock lives in a folder of the user's own in the temporary
// folder; one that others may write to is never used, and the lock says why.
TEST(ReceiverLockTest, WithoutARuntimeFolderTheLockFolderIsTheUsersAlone)
{
    QTemporaryDir temp;
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedTemp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", temp.path().toUtf8());
    const QString folder = temp.path() + QStringLiteral("/karvelo-rf-%1").arg(::geteuid());
    {
        FileReceiverLock lock;
        EXPECT_TRUE(lock.acquire(QStringLiteral("/dev/hidraw3"), 0));
        struct stat info = {};
        ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700u);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    FileReceiverLock lock;
    EXPECT_FALSE(lock.acquire(QStringLiteral("/dev/hidraw3"), 0));
    EXPECT_TRUE(lock.failure().contains(folder)) << lock.failure().toStdString();
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("TMPDIR", savedTemp);
}

}  // namespace
