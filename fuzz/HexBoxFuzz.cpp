// libFuzzer entry for the value boxes' hexadecimal conversion: any text either converts or
// raises the conversion error naming it, and every value shown converts back to itself.
#include "FuzzInput.h"
#include "window/controls/HexEdit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const int value = HexTextToInt(text);
        if (value > 0)
            Expect(HexTextToInt(IntToHexText(value)) == value);
        else if (value == 0)
            Expect(IntToHexText(value).isEmpty());
    } catch (const HexConversionError& error) {
        Expect(error.message().contains(QStringLiteral("is not a valid integer value")));
    }
    FuzzBytes in(data, size);
    const int value = in.int32();
    if (value > 0)
        Expect(HexTextToInt(IntToHexText(value)) == value);
    return 0;
}
