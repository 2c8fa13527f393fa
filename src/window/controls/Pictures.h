#pragma once

#include <QtGlobal>

class QPixmap;
class QString;

// Registers the tool's pictures (":/images/...", ":/led/...") with Qt's resource system.
// Needed where the code is linked from a static archive, which drops the otherwise
// unreferenced resource object; repeated calls are harmless.
void InitPictureResources();

// The picture at `path` for a screen of `scale` device pixels a pixel: above 1, drawn from its
// 2x version ("name@2x.png", made from the same drawing), sized to the scale, and marked with
// it so that it covers the same place as the 1x picture. A null picture when there is none.
QPixmap PictureForScale(const QString& path, qreal scale);
