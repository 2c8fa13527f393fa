#pragma once

#include <QSize>

// Size of the primary screen in pixels; 0 x 0 when there is none.
QSize PrimaryScreenSize();
