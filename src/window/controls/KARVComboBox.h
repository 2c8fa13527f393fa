#pragma once

#include <QComboBox>
#include <QImage>
#include <QList>

// A list of equally sized images, as the image combo box draws them. Width and Height of 0
// mean the size of the first image.
struct TImageList {
    int Width = 0;
    int Height = 0;
    QList<QImage> Images;
    bool isEmpty() const { return Images.isEmpty(); }
    QSize ImageSize() const;
};

// A combo box whose items ("text|image index") show a picture from an image list before
// their text. Every item, in the list and in the box itself, is drawn by DrawItem.
class TKARVImageComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TKARVImageComboBox(QWidget* parent = nullptr);

    const TImageList& ImageList() const { return imageList_; }
    // An empty list is ignored. Items become image height + 4 high when the font size is
    // smaller than that.
    void setImageList(const TImageList& list);
    int ItemHeight() const { return itemHeight_; }
    void setItemHeight(int height);

    // The item string up to the first "|", or all of it.
    static QString ItemText(const QString& item);
    // The decimal number after the first "|"; 0 without "|"; -1 (no image) when the rest is
    // not a number.
    static int ItemImageIndex(const QString& item);

    // Draws item `index` into r: white ground, the item's image at (r.left, r.top + 2) when an
    // image list is set, then the item text after it.
    void DrawItem(QPainter& painter, const QRect& r, int index) const;
    // Item `index` as drawn in the list: an image as wide as the control, ItemHeight high.
    QImage RenderItem(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TImageList imageList_;
    int itemHeight_ = 16;
};
