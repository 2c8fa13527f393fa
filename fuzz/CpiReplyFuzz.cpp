// libFuzzer entry for the CPI reply decoder and the CPI choice it leads to: only 500, 800,
// 1000 and 1600 decode, and the choice is never made while neither button is on show outside a
// read-back, nor made again when it is on show.
#include "FuzzInput.h"
#include "protocol/receiver/StatusReadouts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto reply = ReportFrom(data, size);
    const std::optional<int> hundreds = DecodeCpi(reply);
    const bool listed = reply[1] == 5 || reply[1] == 8 || reply[1] == 10 || reply[1] == 16;
    Expect(hundreds.has_value() == (reply[0] == 0 && listed));
    if (!hundreds)
        return 0;
    for (int flags = 0; flags < 8; ++flags) {
        const bool high = flags & 1, low = flags & 2, readBack = flags & 4;
        const CpiSelection selection = SelectCpi(*hundreds, high, low, readBack);
        if (!high && !low && !readBack)
            Expect(selection == CpiSelection::None);
        if (selection == CpiSelection::High)
            Expect(CpiIsHigh(*hundreds) && !high);
        if (selection == CpiSelection::Low)
            Expect(!CpiIsHigh(*hundreds) && !low);
    }
    return 0;
}
