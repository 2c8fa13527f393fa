// libFuzzer entry for the CPI reply decoder and the CPI choice it leads to: only 500, 800,
// 1000 and 1600 decode, and the choice is never made while none is on show outside a read-back,
// nor made again when it is on show.
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
    // Nothing on show (-1), or either CPI choice; in a read-back or not.
    for (int shown = -1; shown < 2; ++shown) {
        for (const bool readBack : {false, true}) {
            const std::optional<int> choice = CpiChoiceToShow(*hundreds, shown, readBack);
            if (shown < 0 && !readBack)
                Expect(!choice);
            if (choice)
                Expect(*choice == CpiChoice(*hundreds) && *choice != shown);
        }
    }
    return 0;
}
