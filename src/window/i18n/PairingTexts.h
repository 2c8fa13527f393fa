#pragma once

#include "protocol/i18n/LocalText.h"

// Texts of pairing that the language table does not hold.
namespace PairingTexts {

// The Connect button found no steady link status to note the receiver's IDs from, so it did
// not start a pairing.
inline constexpr LocalText kNoSteadyLinkStatus{
    "The receiver gives no steady link status, so pairing did not start. Please try again.",
    "接收器的連線狀態不穩定，未開始連線。請再試一次。",
    "接收器的连接状态不稳定，未开始对码。请再试一次。",
};

}  // namespace PairingTexts
