#pragma once

#include "protocol/i18n/LocalText.h"

// What the tool says about the link to the receiver itself, wherever a sequence ends with it.
namespace ReceiverLinkText {

// A sequence that ended because the receiver was unplugged while it ran.
inline constexpr LocalText kRemoved = {
    "the receiver was removed",
    "接收器已被拔下",
    "接收器已被拔下",
};

}  // namespace ReceiverLinkText
