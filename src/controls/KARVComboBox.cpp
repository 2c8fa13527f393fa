#include "controls/KARVComboBox.h"

// Placeholder implementation: plain combo box until the image drawing is in.

TKARVImageComboBox::TKARVImageComboBox(QWidget* parent) : QComboBox(parent) {}

void TKARVImageComboBox::setImageList(const TImageList& list)
{
    if (!list.isEmpty())
        imageList_ = list;
}

QString TKARVImageComboBox::ItemText(const QString& item)
{
    const int bar = item.indexOf(QLatin1Char('|'));
    return bar < 0 ? item : item.left(bar);
}

int TKARVImageComboBox::ItemImageIndex(const QString& item)
{
    const int bar = item.indexOf(QLatin1Char('|'));
    return bar < 0 ? 0 : item.mid(bar + 1).toInt();
}
