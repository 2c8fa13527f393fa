#include "window/controls/FlatProgressBar.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Columns of the bar's middle row in the highlight colour.
int FilledColumns(FlatProgressBar& bar)
{
    const QImage image = bar.grab().toImage();
    const QRgb fill = bar.palette().color(QPalette::Highlight).rgb();
    int filled = 0;
    for (int x = 0; x < image.width(); ++x)
        filled += image.pixel(x, image.height() / 2) == fill;
    return filled;
}

TEST(FlatProgressBarTest, FillsItsShareOfTheInsideAndNeverMore)
{
    struct Case {
        int minimum, maximum, value, filled;
    };
    // 104 pixels wide: 100 inside the frame and its margin.
    const Case cases[] = {
        {0, 6, 0, 0},
        {0, 6, 3, 50},
        {0, 6, 6, 100},
        {0, 4, 1, 25},
        {-2, 2, 0, 50},
        {0, 0, 0, 0},
        {INT_MIN, INT_MAX, INT_MAX, 100},
    };
    for (const Case& c : cases) {
        FlatProgressBar bar;
        bar.resize(104, 20);
        bar.setRange(c.minimum, c.maximum);
        bar.setValue(c.value);
        EXPECT_EQ(FilledColumns(bar), c.filled)
            << c.minimum << ".." << c.maximum << " at " << c.value;
    }
}

}  // namespace
