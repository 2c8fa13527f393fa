#pragma once

#include <QProgressBar>

// A progress bar drawn flat: a frame and a filled part in the palette's colours. The style's
// own bar draws rounded, antialiased shapes and stripes, some 0.7 million instructions a step,
// which made its steps the largest cost of the settings read-back.
class FlatProgressBar : public QProgressBar {
public:
    using QProgressBar::QProgressBar;

protected:
    void paintEvent(QPaintEvent* event) override;
};
