#pragma once

#include "protocol/device/HidBackend.h"

#include <QtGlobal>

#include <array>

// How the tool recognises its receiver among the HID collections present.
struct ReceiverId {
    quint16 vendorId;
    quint16 productId;
};

// Taken as the receiver without asking the user, in this order.
inline constexpr std::array<ReceiverId, 2> kReceiverIds{{{0x7A3C, 0x0E41}, {0x7A3C, 0x0E42}}};

constexpr quint16 kGenericDesktopPage = 0x0001;
constexpr quint16 kUsageMouse = 0x0002;
constexpr quint16 kUsageKeyboard = 0x0006;
constexpr quint16 kReceiverFeatureLength = 8;

inline bool IsReceiverId(quint16 vendorId, quint16 productId)
{
    for (const ReceiverId& id : kReceiverIds)
        if (id.vendorId == vendorId && id.productId == productId)
            return true;
    return false;
}

inline bool IsMouseOrKeyboard(const HidCaps& caps)
{
    return caps.UsagePage == kGenericDesktopPage &&
           (caps.Usage == kUsageMouse || caps.Usage == kUsageKeyboard);
}
