#pragma once

#include <QComboBox>
#include <QImage>
#include <QList>

// A list of equally sized images, as the image combo box draws them.
struct TImageList {
    int Width = 0;
    int Height = 0;
    QList<QImage> Images;
    bool isEmpty() const { return Images.isEmpty(); }
};

// A combo box whose items ("text|image index") show a picture from an image list before
// their text.
class TKARVImageComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TKARVImageComboBox(QWidget* parent = nullptr);

    const TImageList& ImageList() const { return imageList_; }
    void setImageList(const TImageList& list);
    int ItemHeight() const { return itemHeight_; }

    static QString ItemText(const QString& item);
    // Throws HexConversionError-like conversion error for a non-numeric index.
    static int ItemImageIndex(const QString& item);

private:
    TImageList imageList_;
    int itemHeight_ = 16;
};
