#include "protocol/receiver/UsbIdentity.h"

#include "protocol/device/CommandChannel.h"
#include "protocol/device/HexDigit.h"
#include "protocol/receiver/EepromMap.h"

#include <QList>

namespace UsbIdentity {

namespace {

constexpr int kMaxStringWords = EepromWord::kLastStringWord - EepromWord::kFirstStringWord + 1;

}  // namespace

Fit FitHexField(const QString& text, quint32 max)
{
    quint64 value = 0;  // stops growing past max, so any length of text fits
    bool tooLarge = false;
    for (const QChar c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            return Fit::NotHex;  // reported as such, even after too many digits
        if (!tooLarge) {
            value = value * 16 + quint64(digit);
            tooLarge = value > max;
        }
    }
    return tooLarge ? Fit::TooLarge : Fit::Fits;
}

std::optional<quint8> ButtonWord(const QString& buttonName)
{
    const auto decimal = [](QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; };
    const int size = int(buttonName.size());
    if (size < 2 || !decimal(buttonName.at(size - 2)) || !decimal(buttonName.at(size - 1)))
        return std::nullopt;
    return quint8(buttonName.right(2).toInt());
}

QString ByteReadText(int word)
{
    return QString::asprintf("%.2X", unsigned(word) >> 8);
}

quint8 LengthByte(int chars)
{
    return quint8(2 + 2 * chars);
}

int CharsFromLength(int lengthByte)
{
    const int chars = (lengthByte - 2) / 2;
    return qBound(0, chars, EepromWord::kMaxStringChars);
}

int WordsForChars(int chars)
{
    return (chars + 1) / 2;
}

std::optional<StringRefusal> CheckString(const QString& text)
{
    const QList<uint> characters = text.toUcs4();
    for (const uint c : characters)
        if (c > 0xFF)
            return StringRefusal{StringRefusal::Reason::WideCharacter, char32_t(c), 0};
    if (characters.size() > EepromWord::kMaxStringChars)
        return StringRefusal{StringRefusal::Reason::TooLong, 0, int(characters.size())};
    return std::nullopt;
}

std::vector<quint16> PackString(const QString& text)
{
    const QByteArray codes = text.toLatin1();
    std::vector<quint16> words;
    for (int i = 0; i < codes.size(); i += 2) {
        const quint8 high = quint8(codes.at(i));
        const quint8 low = i + 1 < codes.size() ? quint8(codes.at(i + 1)) : 0;
        words.push_back(quint16(high << 8 | low));
    }
    return words;
}

QString UnpackString(const std::vector<quint16>& words, int chars)
{
    QString text;
    for (const quint16 word : words)
        for (const quint8 code : {quint8(word >> 8), quint8(word & 0xFF)})
            if (text.size() < chars)
                text.append(QChar(code));
    return text;
}

bool WriteByte(CommandChannel& channel, quint8 wordNumber, quint8 value)
{
    return channel.EepromWriteWord(wordNumber, PairedWord(value));
}

bool WriteStringWords(CommandChannel& channel, const std::vector<quint16>& words)
{
    if (words.size() > size_t(kMaxStringWords))
        return false;
    const CommandChannel::Sequence run(channel);
    for (size_t i = 0; i < words.size(); ++i)
        if (!channel.EepromWriteWord(quint8(EepromWord::kFirstStringWord + i), words[i]))
            return false;
    return true;
}

std::optional<QString> ReadString(CommandChannel& channel, int chars)
{
    chars = qBound(0, chars, EepromWord::kMaxStringChars);
    const CommandChannel::Sequence run(channel);
    std::vector<quint16> words;
    for (int i = 0; i < WordsForChars(chars); ++i) {
        const int word = channel.EepromReadWord(quint8(EepromWord::kFirstStringWord + i));
        if (word < 0)
            return std::nullopt;
        words.push_back(quint16(word));
    }
    return UnpackString(words, chars);
}

}  // namespace UsbIdentity
