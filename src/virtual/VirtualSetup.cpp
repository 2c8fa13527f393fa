#include "virtual/VirtualSetup.h"

#include "sim/ReceiverModel.h"
#include "sim/SimFaults.h"
#include "sim/SimReceivers.h"
#include "virtual/VirtualOptions.h"

SimDeviceProfile ProfileOf(const VirtualOptions& options)
{
    SimDeviceProfile profile = options.profile == VirtualOptions::Profile::MouseOnly
                                   ? SimReceivers::mouseOnlyReceiverProfile()
                                   : SimReceivers::receiverProfile();
    profile.productId = options.productId;
    return profile;
}

std::shared_ptr<ReceiverModel> FirmwareOf(const VirtualOptions& options)
{
    auto firmware =
        options.demoFirmware ? SimReceivers::demoFirmware() : SimReceivers::defaultFirmware();
    // The receiver keeps the USB identity it enumerates with.
    const SimDeviceProfile profile = ProfileOf(options);
    firmware->eeprom().storeIdentity(profile.vendorId, profile.productId, profile.product);
    return firmware;
}

void ApplyFaults(const VirtualOptions& options, ReceiverModel& firmware, SimFaults& faults)
{
    if (options.nackReplies)
        faults.nackReplies(options.nackReplies);
    if (options.failSets)
        faults.failSets(options.failSets);
    if (options.failGets)
        faults.failGets(options.failGets);
    if (options.corruptReplies)
        faults.corruptReplies(options.corruptReplies, options.corruptIndex, options.corruptMask);
    if (options.unplugAtExchange)
        faults.unplugAtExchange(options.unplugAtExchange);
    if (options.mouseOutOfReach)
        firmware.mouse().setInReach(false);
    firmware.setReplyDelayMs(options.replyDelayMs);
}
