#include "window/controls/Pictures.h"

#include <QtGlobal>

void InitPictureResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    Q_UNUSED(registered);
}
