#include "protocol/device/linux/HidNodeListing.h"
#include "protocol/device/linux/LinuxHidBackend.h"
#include "protocol/device/linux/UdevMonitor.h"

#include <gtest/gtest.h>

// These run on machines without HID hardware and often without a udev daemon: they check that
// the backend copes, not what it finds.

TEST(UdevMonitor, ConstructionCopesWithoutUdev)
{
    {
        UdevMonitor monitor("hidraw");
        (void)monitor.isValid();  // valid or not depends on the machine; it must not crash
    }
    UdevMonitor unknownSource("hidraw", "no-such-source");
    EXPECT_FALSE(unknownSource.isValid());
    UdevMonitor noSubsystem(nullptr);
    EXPECT_FALSE(noSubsystem.isValid());
}

TEST(LinuxHidBackend, OpensNothingWithoutAccessAndReportsAMissingNode)
{
    std::shared_ptr<HidBackend> backend = CreateLinuxHidBackend();
    ASSERT_TRUE(backend);
    const std::vector<HidNodeInfo> present = backend->listPresent();
    if (!backend->available()) {
        EXPECT_TRUE(present.empty());
    }

    HidNodeInfo missing;
    missing.path = QStringLiteral("/dev/hidraw65000");
    missing.instanceId = makeInstanceId(missing.path, 0);
    HidOpenError error = HidOpenError::None;
    EXPECT_EQ(backend->open(missing, HidAccess::NoAccess, &error), nullptr);
    EXPECT_NE(error, HidOpenError::None);
    EXPECT_EQ(backend->open(missing, HidAccess::ReadWrite, &error), nullptr);
    EXPECT_EQ(error, backend->available() ? HidOpenError::NotFound : HidOpenError::Failed);

    // A node listed for a HID device that is no longer behind it is not opened at all.
    missing.instanceId = makeInstanceId(QStringLiteral("0003:7A3C:0E41.0001"), 0);
    EXPECT_EQ(backend->open(missing, HidAccess::ReadWrite, nullptr), nullptr);

    // A second backend and the end of the first leave hidapi usable for the other.
    std::shared_ptr<HidBackend> second = CreateLinuxHidBackend();
    backend.reset();
    second->listPresent();
}
