#pragma once

#include "sim/SimDeviceProfile.h"

#include <memory>

class DeviceClock;
class ReceiverModel;
class SimHidBackend;

// Ready-made simulated devices.
namespace SimReceivers {

constexpr quint16 kVendorId = 0x7A3C;
constexpr quint16 kProductId = 0x0E41;

// The receiver as it enumerates: VID 7A3C, PID 0E41, "2.4G RF Receiver", a mouse collection
// (usage page 1, usage 2) and a keyboard collection (usage 6), both with 8-byte feature reports.
SimDeviceProfile receiverProfile();
// A receiver with only its mouse collection.
SimDeviceProfile mouseOnlyReceiverProfile();
// An unrelated keyboard without feature reports.
SimDeviceProfile plainKeyboardProfile();

// Factory-fresh firmware: identity words stored, hotkey words erased, mouse in reach but idle,
// RF EEPROM erased.
std::shared_ptr<ReceiverModel> defaultFirmware();
// Firmware for the demonstration mode: a moving mouse, plausible battery levels, channel maps
// and stored options; pairing finds a new mouse after three seconds.
std::shared_ptr<ReceiverModel> demoFirmware();

// The backend of the demonstration mode: the receiver and an unrelated keyboard. `steady`:
// the batteries keep their levels (for measuring the resident cost between changes).
std::shared_ptr<SimHidBackend> makeDemoBackend(std::shared_ptr<DeviceClock> clock,
                                               bool steady = false);

}  // namespace SimReceivers
