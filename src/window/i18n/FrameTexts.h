#pragma once

#include "protocol/i18n/LocalText.h"

// The window frame's system menu.
namespace FrameText {

inline constexpr LocalText kMinimize{"Minimize", "最小化", "最小化"};
inline constexpr LocalText kClose{"Close", "關閉", "关闭"};

}  // namespace FrameText
