#include "window/app/UserPrompts.h"

#include "window/app/LanguageChooser.h"
#include "window/app/PrimaryScreenSize.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
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
        this->move(screen.width() / 2 - this->width() / 2,
                   screen.height() / 2 - this->height() / 2);
    }
};

// The notice's text as rich text: lines indented by four blanks form a block of commands that
// keeps its lines whole; every other line is a paragraph.
QString NoticeHtml(const QString& text)
{
    QString html;
    QStringList commands;
    const auto flushCommands = [&] {
        if (!commands.isEmpty())
            html += QStringLiteral("<pre>") + commands.join(QLatin1Char('\n')).toHtmlEscaped() +
                    QStringLiteral("</pre>");
        commands.clear();
    };
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("    "))) {
            commands << line.mid(4);
            continue;
        }
        flushCommands();
        html += QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>");
    }
    flushCommands();
    return html;
}

// The title as the window manager shows it: Qt adds the application's display name.
QString ShownTitle(const QString& title)
{
    const QString name = QGuiApplication::applicationDisplayName();
    if (name.isEmpty() || title == name)
        return title;
    return title.isEmpty() ? name : title + QStringLiteral(" \u2014 ") + name;
}

}  // namespace

int TitleFittingWidth(const QString& title, const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    // Room for the window manager's buttons on either side of a title in its own, often
    // larger, bold font.
    constexpr int kTitleButtons = 140;
    return QFontMetrics(bold).horizontalAdvance(ShownTitle(title)) * 5 / 4 + kTitleButtons;
}

void FitTitle(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int width = TitleFittingWidth(box.windowTitle(), box.font());
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

void QtUserPrompts::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    FitTitle(box);
    box.exec();
}

void QtUserPrompts::showInformation(QWidget* parent, const QString& title, const QString& text)
{
    ScreenCentred<QMessageBox> box(QMessageBox::Information, title, text, QMessageBox::NoButton,
                                   parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    FitTitle(box);
    box.exec();
}

bool QtUserPrompts::askPassword(QWidget* parent, QString& valueText)
{
    ScreenCentred<QInputDialog> dialog(parent);
    dialog.setWindowTitle(QStringLiteral("TEST MODE"));
    dialog.setLabelText(QStringLiteral("PASSWORD:"));
    dialog.setTextEchoMode(QLineEdit::Password);
    // Each typed character shows as "*", whatever the style's own mask character.
    dialog.setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    dialog.setTextValue(valueText);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    valueText = dialog.textValue();
    return true;
}

void QtUserPrompts::runLanguageChooser(TForm2& chooser)
{
    chooser.exec();
}

void QtUserPrompts::showNotice(QWidget* parent, const QString& title, const QString& text,
                               bool onlyIfOpen)
{
    if (!notice_) {
        if (onlyIfOpen)
            return;
        notice_ = new QMessageBox(QMessageBox::Warning, title, QString(), QMessageBox::Ok, parent);
        notice_->setWindowModality(Qt::NonModal);
        notice_->setTextFormat(Qt::RichText);
        // The commands are meant to be copied.
        notice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QObject::connect(notice_, &QDialog::finished, notice_, &QObject::deleteLater);
    }
    notice_->setWindowTitle(title);
    notice_->setText(NoticeHtml(text));
    notice_->show();
    notice_->raise();
}

bool QtUserPrompts::askQuestion(QWidget* parent, const QString& title, const QString& text)
{
    ScreenCentred<QMessageBox> box(QMessageBox::Question, title, text,
                                   QMessageBox::Yes | QMessageBox::No, parent);
    FitTitle(box);
    return box.exec() == QMessageBox::Yes;
}

QString QtUserPrompts::askOpenFile(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtUserPrompts::askSaveFile(QWidget* parent, const QString& caption, const QString& folder,
                                   const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}
