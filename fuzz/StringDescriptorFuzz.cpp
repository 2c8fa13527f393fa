// libFuzzer entry for the string descriptor: unpacking the words read from the receiver as its
// length byte announces, and checking and packing a text typed by the user. Whatever is
// unpacked can be stored again as it stands.
#include "FuzzInput.h"
#include "protocol/receiver/UsbIdentity.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzBytes in(data, size);
    const quint8 lengthByte = in.byte();
    const int chars = UsbIdentity::CharsFromLength(lengthByte);
    Expect(chars >= 0 && chars <= 46);
    std::vector<quint16> words;
    for (int i = 0; i < UsbIdentity::WordsForChars(chars) && !in.empty(); ++i)
        words.push_back(quint16(in.byte() << 8 | in.byte()));
    const QString text = UsbIdentity::UnpackString(words, chars);
    Expect(text.size() == std::min<qsizetype>(chars, qsizetype(2 * words.size())));
    Expect(!UsbIdentity::CheckString(text));
    Expect(UsbIdentity::UnpackString(UsbIdentity::PackString(text), int(text.size())) == text);

    // The rest: text typed into the string box, a value box's text, a button's name.
    const QByteArray typed = in.rest();
    const QString typedText = QString::fromUtf8(typed);
    if (!UsbIdentity::CheckString(typedText)) {
        const std::vector<quint16> packed = UsbIdentity::PackString(typedText);
        Expect(packed.size() == std::size_t(UsbIdentity::WordsForChars(int(typedText.size()))));
        Expect(UsbIdentity::UnpackString(packed, int(typedText.size())) == typedText);
    }
    UsbIdentity::FitHexField(typedText, 0xFF);
    UsbIdentity::FitHexField(typedText, 0xFFFF);
    if (const std::optional<quint8> word = UsbIdentity::ButtonWord(typedText))
        Expect(*word <= 99);
    FuzzBytes word(reinterpret_cast<const std::uint8_t*>(typed.constData()), std::size_t(typed.size()));
    UsbIdentity::ByteReadText(word.int32());
    return 0;
}
