#pragma once

#include "window/controls/TColor.h"

#include <QPoint>
#include <QString>

// The gauge's value text: decPlaces 0..10 gives fixed notation with that many decimals;
// -2 the exponent notation with a four-digit exponent ("1.5E+0001"); -1 the same with a
// two-digit exponent, or all "*" when the exponent needs more than two digits.
QString FormatGaugeValue(double value, int decPlaces);

// Where the text's top-left corner goes so that the point of the text that the alignment
// names sits at the anchor, for a text rotated counter-clockwise by angleDegrees whose half
// width and half height are halfWidth and halfHeight.
QPoint GaugeTextOffset(TAlignment alignment, int halfWidth, int halfHeight, int angleDegrees);
