#include "app/UserPrompts.h"

#include "app/LanguageChooser.h"
#include "app/Screen.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QShowEvent>

namespace {

// A dialog that stands in the middle of the primary screen once its final size is known.
template <class Dialog>
class ScreenCentred : public Dialog {
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent* event) override
    {
        Dialog::showEvent(event);
        const QSize screen = PrimaryScreenSize();
        this->move(screen.width() / 2 - this->width() / 2, screen.height() / 2 - this->height() / 2);
    }
};

} // namespace

void QtUserPrompts::ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

void QtUserPrompts::ShowInformation(QWidget* parent, const QString& title, const QString& text)
{
    ScreenCentred<QMessageBox> box(QMessageBox::Information, title, text, QMessageBox::NoButton,
                                   parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool QtUserPrompts::AskPassword(QWidget* parent, QString& valueText)
{
    ScreenCentred<QInputDialog> dialog(parent);
    dialog.setWindowTitle(QStringLiteral("TEST MODE"));
    dialog.setLabelText(QStringLiteral("PASSWORD:"));
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    dialog.setTextValue(valueText);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    valueText = dialog.textValue();
    return true;
}

void QtUserPrompts::RunLanguageChooser(TForm2& chooser)
{
    chooser.exec();
}
