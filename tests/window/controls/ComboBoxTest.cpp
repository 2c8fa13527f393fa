#include "window/controls/KARVComboBox.h"

#include <gtest/gtest.h>

namespace {

const QColor ImageColours[] = {Qt::red, Qt::green, Qt::blue};

// Three solid 10 x 10 images: red, green, blue.
TImageList ThreeImages()
{
    TImageList list;
    list.Width = 10;
    list.Height = 10;
    for (const QColor& c : ImageColours) {
        QImage image(10, 10, QImage::Format_RGB32);
        image.fill(c);
        list.Images.append(image);
    }
    return list;
}

bool HasInk(const QImage& image, int fromX)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

}  // namespace

TEST(ImageComboBox, ItemStringsSplitIntoTextAndImageIndex)
{
    EXPECT_EQ(TKARVImageComboBox::ItemText("|2"), "");
    EXPECT_EQ(TKARVImageComboBox::ItemImageIndex("|2"), 2);
    EXPECT_EQ(TKARVImageComboBox::ItemText("Word|1"), "Word");
    EXPECT_EQ(TKARVImageComboBox::ItemImageIndex("Word|1"), 1);
    EXPECT_EQ(TKARVImageComboBox::ItemText("Word"), "Word");
    EXPECT_EQ(TKARVImageComboBox::ItemImageIndex("Word"), 0);
    EXPECT_EQ(TKARVImageComboBox::ItemText("a|b|1"), "a");
    EXPECT_EQ(TKARVImageComboBox::ItemImageIndex("a|b|1"), -1) << "not a number: no image";
    EXPECT_EQ(TKARVImageComboBox::ItemImageIndex("a|"), -1);
}

TEST(ImageComboBox, ImageListSetsTheItemHeight)
{
    TKARVImageComboBox combo;
    QFont font = combo.font();
    font.setPointSize(9);
    combo.setFont(font);
    const int before = combo.ItemHeight();
    combo.setImageList(TImageList{});
    EXPECT_TRUE(combo.ImageList().isEmpty()) << "an empty list is ignored";
    EXPECT_EQ(combo.ItemHeight(), before);

    TImageList languages;
    languages.Width = 63;
    languages.Height = 14;
    languages.Images.append(QImage(63, 14, QImage::Format_ARGB32));
    combo.setImageList(languages);
    EXPECT_EQ(combo.ItemHeight(), 18);

    TKARVImageComboBox large;
    font.setPointSize(30);
    large.setFont(font);
    large.setImageList(languages);
    EXPECT_EQ(large.ItemHeight(), 16) << "a font at least image height + 4 keeps the height";
}

TEST(ImageComboBox, ItemsDrawImageThenText)
{
    TKARVImageComboBox combo;
    combo.resize(120, 22);
    combo.addItems({"|2", "Word|1", "Word", "Odd|x"});
    combo.setImageList(ThreeImages());
    const int textStart = 10 + 4;

    QImage item = combo.RenderItem(0);
    EXPECT_EQ(item.pixel(1, 2), QColor(Qt::blue).rgb());
    EXPECT_EQ(item.pixel(9, 11), QColor(Qt::blue).rgb());
    EXPECT_EQ(item.pixel(1, 1), qRgb(255, 255, 255)) << "image drawn 2 pixels down";
    EXPECT_FALSE(HasInk(item, textStart)) << "no text";

    item = combo.RenderItem(1);
    EXPECT_EQ(item.pixel(1, 2), QColor(Qt::green).rgb());
    EXPECT_TRUE(HasInk(item, textStart));
    EXPECT_FALSE(HasInk(item.copy(10, 0, 4, item.height()), 0)) << "gap before the text";

    item = combo.RenderItem(2);
    EXPECT_EQ(item.pixel(1, 2), QColor(Qt::red).rgb());
    EXPECT_TRUE(HasInk(item, textStart));

    item = combo.RenderItem(3);
    EXPECT_EQ(item.pixel(1, 2), qRgb(255, 255, 255)) << "no image for a non-numeric index";
    EXPECT_TRUE(HasInk(item, textStart));
}

TEST(ImageComboBox, WithoutImagesTheTextStartsAtTheLeft)
{
    TKARVImageComboBox combo;
    combo.resize(120, 22);
    combo.addItem(QStringLiteral("Word|1"));
    const QImage item = combo.RenderItem(0);
    EXPECT_TRUE(HasInk(item.copy(0, 0, 8, item.height()), 0));
}
