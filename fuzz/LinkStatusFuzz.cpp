// libFuzzer entry for the link status decoder and the pairing's debug lines built from what it
// decodes: a reading is valid only on channels 2 to 82.
#include "FuzzInput.h"
#include "protocol/receiver/Pairing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto reply = ReportFrom(data, size);
    const std::optional<LinkStatus> status = DecodeLinkStatus(reply);
    Expect(status.has_value() == (reply[0] >= 2 && reply[0] <= 82));
    if (!status)
        return 0;
    Expect(status->mouseId == reply[1] && status->keyboardId == reply[2]);
    FuzzBytes rest(data + std::min<std::size_t>(size, 9), size - std::min<std::size_t>(size, 9));
    const int tick = rest.int32();
    Expect(PairingStartLine(tick, *status).startsWith(QLatin1String("**")));
    Expect(PairingReadingLine(ReadingStage::Second, tick, *status).startsWith(QLatin1String("*2*")));
    return 0;
}
