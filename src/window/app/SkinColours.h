#pragma once

#include "window/controls/TColor.h"

// The colours of the window's own frame, shared by the frame and its title bar.
namespace SkinColour {

constexpr TColor kBorder = 0x7F7F7F;
constexpr TColor kBody = 0xE7E7E7;

}  // namespace SkinColour
