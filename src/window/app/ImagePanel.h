#pragma once

#include <QLabel>

class QPixmap;

// A transparent picture panel that takes the size of its picture and reports double clicks.
class TImagePanel : public QLabel {
    Q_OBJECT
public:
    explicit TImagePanel(QWidget* parent = nullptr);

    // Shows the picture and resizes the panel to it; a null picture leaves the panel as it is.
    void setPicture(const QPixmap& picture);
    // Loads a picture file (any format Qt reads); false, with the panel unchanged, when it
    // cannot be read.
    bool LoadPicture(const QString& fileName);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
