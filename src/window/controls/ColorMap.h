#pragma once

#include "window/controls/TColor.h"

#include <array>

// x taken to the nearest integer, halves to the even neighbour.
double Nearest(double x);

// Channel-wise blend of two colours; t >= 1 counts as 1, t < 0 or NaN as 0.
TColor InterpolateColors(TColor c0, TColor c1, double t);

// The gauge's 1024-entry colour map: entry 0 is the first colour, entry 1023 the last, the
// entries between interpolated.
using ColorMap = std::array<TColor, 1024>;
constexpr int ColorMapLast = 1023;
void FillColorMap(ColorMap& map, TColor first, TColor last);
