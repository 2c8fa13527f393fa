#include "sim/ReceiverEeprom.h"

void ReceiverEeprom::write(quint8 number, quint16 value)
{
    if (!locked_)
        words_[number] = value;
}

void ReceiverEeprom::storeIdentity(quint16 vendorId, quint16 productId, const QString& text)
{
    words_[EepromWord::kVidHigh] = paired(quint8(vendorId >> 8));
    words_[EepromWord::kVidLow] = paired(quint8(vendorId & 0xFF));
    words_[EepromWord::kPidHigh] = paired(quint8(productId >> 8));
    words_[EepromWord::kPidLow] = paired(quint8(productId & 0xFF));

    const QString kept = text.left(EepromWord::kMaxStringChars);
    const int n = int(kept.size());
    words_[EepromWord::kStringLength] = paired(quint8(2 + 2 * n));
    auto code = [&kept, n](int i) -> quint8 {
        if (i >= n)
            return 0;
        const ushort c = kept.at(i).unicode();
        return c > 0xFF ? quint8('?') : quint8(c);
    };
    for (int i = 0; 2 * i < n; ++i)
        words_[size_t(EepromWord::kFirstStringWord + i)] =
            quint16(code(2 * i) << 8 | code(2 * i + 1));
}
