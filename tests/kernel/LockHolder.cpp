#include "protocol/device/linux/FileReceiverLock.h"

#include <QThread>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// Not a check but a helper of the guest's scripts: holds the receiver lock of the node
// KARVELO_HOLD_NODE for KARVELO_HOLD_MS milliseconds, as a window in the middle of a long
// sequence would, and says "held" on standard output once it holds it.
TEST(GuestLockHolder, HoldsTheReceiverWhileAsked)
{
    const QString node = qEnvironmentVariable("KARVELO_HOLD_NODE");
    const int ms = qEnvironmentVariableIntValue("KARVELO_HOLD_MS");
    if (node.isEmpty() || ms <= 0 || ms > 20000)
        GTEST_SKIP() << "KARVELO_HOLD_NODE and KARVELO_HOLD_MS (up to 20000) name the hold";
    FileReceiverLock lock;
    ASSERT_TRUE(lock.acquire(node, 3000));
    std::puts("held");
    std::fflush(stdout);
    QThread::msleep(ulong(ms));
    lock.release();
}

}  // namespace
