#pragma once

#include "sim/SimDeviceProfile.h"

#include <cstdint>
#include <vector>

// The HID report descriptor of a simulated device, as a real device would send it to the host:
// one application collection per SimCollection with its usage, and for each report length of
// the collection one report of that many bytes (report ID byte included) of vendor-defined
// 8-bit fields. Feature reports carry the collection's report ID. Input and output reports,
// which the tool never exchanges, get IDs of their own per collection, so that the kernel does
// not merge the collections' input reports into one.
std::vector<std::uint8_t> DescriptorFromProfile(const SimDeviceProfile& profile);
