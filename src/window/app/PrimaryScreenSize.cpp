#include "window/app/PrimaryScreenSize.h"

#include <QGuiApplication>
#include <QScreen>

QSize PrimaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}
