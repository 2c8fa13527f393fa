#pragma once

#include "sim/SimDeviceProfile.h"

#include <memory>

class ReceiverModel;
class SimFaults;
struct VirtualOptions;

// The receiver that the command line describes, built from the simulator's ready-made devices.
SimDeviceProfile ProfileOf(const VirtualOptions& options);
std::shared_ptr<ReceiverModel> FirmwareOf(const VirtualOptions& options);
void ApplyFaults(const VirtualOptions& options, ReceiverModel& firmware, SimFaults& faults);
