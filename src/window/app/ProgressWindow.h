#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class TForm1;

// The small window that stands in the middle of the screen while the mouse's settings are read
// back: a picture, a line of text and a bar of the read-back's steps. The user cannot close it;
// while it is shown the main window takes no input.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 296;
    static constexpr int kClientHeight = 103;

    // A window of its own (not a child of the main window).
    TForm3();

    // Title and label in the language in force.
    void SetTexts();

    QWidget* sfrm1 = nullptr;
    QLabel* img1 = nullptr;
    QLabel* lblDesc = nullptr;
    QProgressBar* pbRdRf = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void FormCreate();
};

// The main window's progress window, created when it has none; it goes with the main window.
TForm3* EnsureProgressWindow(TForm1& mainWindow);
