#include "window/app/ImagePanel.h"

#include <QMouseEvent>
#include <QPixmap>

TImagePanel::TImagePanel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TImagePanel::setPicture(const QPixmap& picture)
{
    if (picture.isNull())
        return;
    setPixmap(picture);
    resize(picture.deviceIndependentSize().toSize());
}

bool TImagePanel::LoadPicture(const QString& fileName)
{
    QPixmap picture;
    if (!picture.load(fileName))
        return false;
    setPicture(picture);
    return true;
}

void TImagePanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    emit doubleClicked();
}
