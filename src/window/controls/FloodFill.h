#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

// Replaces the 4-connected area of pixels equal to `target` that contains `seed` with
// `replacement`. Iterative, touches each pixel at most once; a seed outside the image or of
// another colour changes nothing. The image must be a 32-bit format. Returns the pixels changed.
int FloodFill(QImage& image, QPoint seed, QRgb target, QRgb replacement);
