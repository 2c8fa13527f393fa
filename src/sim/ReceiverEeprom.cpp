#include "sim/ReceiverEeprom.h"

void ReceiverEeprom::write(quint8 number, quint16 value)
{
    if (!locked_)
        words_[number] = value;
}

void ReceiverEeprom::storeIdentity(quint16 vendorId, quint16 productId, const QString& text)
{
    words_[kVidHighWord] = paired(quint8(vendorId >> 8));
    words_[kVidHighWord + 1] = paired(quint8(vendorId & 0xFF));
    words_[kVidHighWord + 2] = paired(quint8(productId >> 8));
    words_[kVidHighWord + 3] = paired(quint8(productId & 0xFF));

    const QString kept = text.left(kMaxTextLength);
    const int n = int(kept.size());
    words_[kLengthWord] = paired(quint8(2 + 2 * n));
    auto code = [&kept, n](int i) -> quint8 {
        if (i >= n)
            return 0;
        const ushort c = kept.at(i).unicode();
        return c > 0xFF ? quint8('?') : quint8(c);
    };
    for (int i = 0; 2 * i < n; ++i)
        words_[size_t(kFirstTextWord + i)] = quint16(code(2 * i) << 8 | code(2 * i + 1));
}
