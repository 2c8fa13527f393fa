#include "protocol/device/ReportDescriptor.h"
#include "sim/SimReceivers.h"
#include "virtual/DescriptorFromProfile.h"

#include <gtest/gtest.h>

namespace {

SimDeviceProfile vendorProfile()
{
    SimDeviceProfile profile;
    profile.collections = {SimCollection{0xFF00, 0x0001, 0, 0, 300, 5, false}};
    return profile;
}

// The kernel reads the virtual receiver's collections from this descriptor: the tool's own
// parser must find in it exactly what the simulated backend presents for the same profile.
TEST(DescriptorFromProfileTest, ParsesBackToTheProfilesCollections)
{
    const SimDeviceProfile profiles[] = {
        SimReceivers::receiverProfile(),  // both collections, feature report ID 1 twice
        SimReceivers::mouseOnlyReceiverProfile(),
        SimReceivers::plainKeyboardProfile(),  // no report IDs, no feature report
        vendorProfile(),                       // two-byte usage page and report count
    };
    for (const SimDeviceProfile& profile : profiles) {
        SCOPED_TRACE(profile.product.toStdString());
        const ParsedReportDescriptor parsed = parseReportDescriptor(DescriptorFromProfile(profile));
        ASSERT_TRUE(parsed.complete());
        ASSERT_EQ(parsed.collections.size(), profile.collections.size());
        for (size_t i = 0; i < parsed.collections.size(); ++i) {
            const SimCollection& c = profile.collections[i];
            const TopLevelCollection& p = parsed.collections[i];
            EXPECT_EQ(std::vector<int>({p.usagePage, p.usage, p.inputReportByteLength,
                                        p.outputReportByteLength, p.featureReportByteLength}),
                      std::vector<int>(
                          {c.usagePage, c.usage, c.inputLength, c.outputLength, c.featureLength}));
        }
    }
}

}  // namespace
