#include "window/controls/ColorMap.h"

#include <algorithm>
#include <cmath>

double Nearest(double x)
{
    // The default floating-point rounding mode rounds halves to even.
    return std::nearbyint(x);
}

namespace {

int Channel(TColor c, int shift)
{
    return int((c >> shift) & 0xFF);
}

}  // namespace

TColor InterpolateColors(TColor c0, TColor c1, double t)
{
    if (!(t >= 0))
        t = 0;
    else if (t >= 1)
        t = 1;
    TColor result = 0;
    for (int shift : {0, 8, 16}) {
        const int a = Channel(c0, shift), b = Channel(c1, shift);
        result |= TColor(Nearest((b - a) * t + a)) << shift;
    }
    return result;
}

void FillColorMap(ColorMap& map, TColor first, TColor last)
{
    map[0] = first;
    map[ColorMapLast] = last;
    if (first == last) {  // the battery gauge's one colour: the same entries, one computed
        std::fill(map.begin() + 1, map.end() - 1, InterpolateColors(first, last, 0.5));
        return;
    }
    for (int i = 1; i < ColorMapLast; ++i)
        map[i] = InterpolateColors(first, last, double(i) / ColorMapLast);
}
