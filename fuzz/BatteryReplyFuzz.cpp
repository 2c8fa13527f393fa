// libFuzzer entry for the battery reply decoder: only a reply whose byte 0 has 4 or 8 in its
// low nibble decodes, and the levels it gives fit their nibbles.
#include "FuzzInput.h"
#include "protocol/receiver/StatusReadouts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto reply = ReportFrom(data, size);
    const std::optional<BatteryLevels> levels = DecodeBattery(reply);
    const int validity = reply[0] & 0x0F;
    Expect(levels.has_value() == (validity == 4 || validity == 8));
    if (levels) {
        Expect(levels->keyboard >= 0 && levels->keyboard <= 15);
        Expect(levels->mouse >= 0 && levels->mouse <= 15);
        const BatteryBand band = MouseBatteryBand(levels->mouse);
        Expect(band != BatteryBand::Good || (levels->mouse >= 5 && levels->mouse <= 7));
    }
    return 0;
}
