#pragma once

#include "protocol/i18n/Lang.h"
#include "window/controls/KARVComboBox.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

// The language chooser shown at the first start. It closes only through its OK button; the
// chosen language is the item index of cbbLang.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    // A window of its own (not a child of the main window), titled like mainWindow.
    explicit TForm2(QWidget* mainWindow);

    TLanguateKind choice() const;

    QLabel* lbl1 = nullptr;
    QLabel* img1 = nullptr;
    TKARVImageComboBox* cbbLang = nullptr;
    QPushButton* btnOK = nullptr;
    QWidget* sfrm1 = nullptr;

public slots:
    // Escape and the window manager's close request leave the chooser open.
    void reject() override {}

private:
    void buildControls();
    void FormCreate(QWidget* mainWindow);
};

// The chooser most recently created, while it exists.
extern QPointer<TForm2> Form2;

// Creates a chooser owned by the application, released together with mainWindow, and makes it
// the one Form2 refers to.
TForm2* CreateLanguageChooser(QWidget* mainWindow);

// True while the language chooser is on screen (the status poll waits meanwhile).
bool LanguageChooserShowing();
