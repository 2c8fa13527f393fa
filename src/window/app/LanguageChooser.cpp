#include "window/app/LanguageChooser.h"

#include "window/app/AccessibleControls.h"
#include "window/app/PrimaryScreenSize.h"
#include "window/app/SkinFrame.h"
#include "window/controls/KARVComboBox.h"
#include "window/controls/Pictures.h"
#include "window/i18n/SpokenNames.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

QPointer<TForm2> Form2;

TForm2* CreateLanguageChooser(QWidget* mainWindow)
{
    auto* form = new TForm2(mainWindow);
    // Not a child of the main window, so that the window's lookups by name never reach the
    // chooser's controls; it goes when the main window goes.
    if (mainWindow)
        QObject::connect(mainWindow, &QObject::destroyed, form, [form] { delete form; });
    Form2 = form;
    return form;
}

bool LanguageChooserShowing()
{
    return Form2 && Form2->isVisible();
}

namespace {

constexpr int ClientWidth = 353;
constexpr int ClientHeight = 182;

// Pictures of each language's name in that language, in TLanguateKind order, drawn for the
// screen's scale.
TImageList LanguageImages(qreal scale)
{
    TImageList list;
    list.Width = 63;
    list.Height = 14;
    for (const char* path :
         {":/images/lang_eng.png", ":/images/lang_cht.png", ":/images/lang_chs.png"})
        list.Images.append(PictureForScale(QString::fromLatin1(path), scale).toImage());
    return list;
}

}  // namespace

TForm2::TForm2(QWidget* mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    InitPictureResources();
    InstallAccessibleControls();
    setObjectName(QStringLiteral("Form2"));
    buildControls();
    // A frame of its own with the title and no buttons: the chooser closes through OK only.
    sfrm1 = new TSkinFrame(this, {});
    sfrm1->setObjectName(QStringLiteral("sfrm1"));
    FormCreate(mainWindow);
}

void TForm2::buildControls()
{
    setFixedSize(ClientWidth, ClientHeight);

    img1 = new QLabel(this);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(28, 28, 32, 32);
    img1->setPixmap(PictureForScale(QStringLiteral(":/images/info.png"), devicePixelRatioF()));
    MarkAsDecoration(*img1);

    lbl1 = new QLabel(QStringLiteral("Please select a language."), this);
    lbl1->setObjectName(QStringLiteral("lbl1"));
    lbl1->setGeometry(76, 34, 250, 20);

    cbbLang = new TKARVImageComboBox(this);
    cbbLang->setObjectName(QStringLiteral("cbbLang"));
    cbbLang->setGeometry(104, 82, 145, 22);
    cbbLang->setImageList(LanguageImages(devicePixelRatioF()));
    cbbLang->addItems({QStringLiteral("|0"), QStringLiteral("|1"), QStringLiteral("|2")});
    cbbLang->setCurrentIndex(lkEng);
    // Chosen before any language is: named in all three.
    cbbLang->setAccessibleName(QStringLiteral("Language / 語言 / 语言"));
    NameLanguageItems(*cbbLang);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(139, 134, 75, 25);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
}

void TForm2::FormCreate(QWidget* mainWindow)
{
    const QSize screen = PrimaryScreenSize();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);
    if (mainWindow)
        setWindowTitle(mainWindow->windowTitle());
}

TLanguateKind TForm2::choice() const
{
    return LanguageFromIndex(cbbLang->currentIndex()).value_or(lkEng);
}
