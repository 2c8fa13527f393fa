// libFuzzer entry for the hotkey words: a word read from the receiver (any result, failures
// included) is a complement pair only when it round-trips, and its debug line is built safely.
#include "FuzzInput.h"
#include "protocol/receiver/CustomKeys.h"
#include "protocol/receiver/EepromMap.h"
#include "protocol/receiver/SettingsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    const int lowWord = in.int32();
    const int highWord = in.int32();
    const quint8 wordNumber = in.byte();
    const std::optional<quint8> low = PairedByte(lowWord);
    const std::optional<quint8> high = PairedByte(highWord);
    if (low)
        Expect(PairedWord(*low) == lowWord);
    if (high)
        Expect(PairedWord(*high) == highWord);
    Expect(Hotkeys::ReadLine(wordNumber, lowWord).startsWith(QLatin1String("EE")));
    if (low && high) {
        const quint16 code = quint16(*high << 8 | *low);
        ChoiceWithCode(*FindSetting(QStringLiteral("hotkey1")), code);
    }
    return 0;
}
