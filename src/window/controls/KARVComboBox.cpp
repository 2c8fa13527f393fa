#include "window/controls/KARVComboBox.h"

#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

// Draws the drop-down list's items with the combo box's own item drawing.
class ImageItemDelegate : public QStyledItemDelegate {
public:
    explicit ImageItemDelegate(TKARVImageComboBox* combo)
        : QStyledItemDelegate(combo), combo_(combo)
    {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        painter->save();
        combo_->DrawItem(*painter, option.rect, index.row());
        painter->restore();
        // The item under the mouse gets a focus frame, as list items do, not a selection fill.
        if (option.state & QStyle::State_Selected) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = Qt::white;
            combo_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, combo_);
        }
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(option.rect.width(), combo_->ItemHeight());
    }

private:
    TKARVImageComboBox* combo_;
};

}  // namespace

QSize TImageList::ImageSize() const
{
    if (Width > 0 && Height > 0)
        return QSize(Width, Height);
    return Images.isEmpty() ? QSize() : Images.first().size();
}

TKARVImageComboBox::TKARVImageComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new ImageItemDelegate(this));
}

void TKARVImageComboBox::setImageList(const TImageList& list)
{
    if (list.isEmpty())
        return;
    imageList_ = list;
    const int imageHeight = list.ImageSize().height();
    const int fontSize = font().pointSize() > 0 ? font().pointSize() : font().pixelSize();
    if (fontSize < imageHeight + 4)
        setItemHeight(imageHeight + 4);
    update();
}

void TKARVImageComboBox::setItemHeight(int height)
{
    itemHeight_ = std::max(height, 1);
    update();
}

QString TKARVImageComboBox::ItemText(const QString& item)
{
    const int bar = item.indexOf(QLatin1Char('|'));
    return bar < 0 ? item : item.left(bar);
}

int TKARVImageComboBox::ItemImageIndex(const QString& item)
{
    const int bar = item.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return 0;
    bool ok = false;
    const int index = item.mid(bar + 1).toInt(&ok, 10);
    return ok ? index : -1;
}

void TKARVImageComboBox::DrawItem(QPainter& painter, const QRect& r, int index) const
{
    painter.fillRect(r, Qt::white);
    const QString item = itemText(index);
    int textOffset = 0;
    if (!imageList_.isEmpty()) {
        const int image = ItemImageIndex(item);
        if (image >= 0 && image < imageList_.Images.size())
            painter.drawImage(QPoint(r.left(), r.top() + 2), imageList_.Images.at(image));
        textOffset = imageList_.ImageSize().width() + 4;
    }
    const QFontMetrics metrics(font());
    const int top = r.top() + itemHeight_ / 2 - metrics.height() / 2;
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(r.left() + textOffset, top + metrics.ascent(), ItemText(item));
}

QImage TKARVImageComboBox::RenderItem(int index) const
{
    QImage image(std::max(width(), 1), itemHeight_, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawItem(painter, image.rect(), index);
    return image;
}

void TKARVImageComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setClipRect(field);
    const QRect item(field.left(), field.top() + (field.height() - itemHeight_) / 2, field.width(),
                     itemHeight_);
    DrawItem(painter, item, currentIndex());
}
