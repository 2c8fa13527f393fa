#include "window/app/ProgressWindow.h"

#include "protocol/i18n/Lang.h"
#include "protocol/receiver/SettingsTable.h"
#include "window/app/AccessibleControls.h"
#include "window/app/MainWindow.h"
#include "window/app/PrimaryScreenSize.h"
#include "window/app/ProgressWindowLanguage.h"
#include "window/app/SkinFrame.h"
#include "window/controls/FlatProgressBar.h"
#include "window/controls/Pictures.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QWindow>

TForm3::TForm3() : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    InitPictureResources();
    setObjectName(QStringLiteral("Form3"));
    // The main window, its transient parent, takes no input while this window shows. Modality
    // rather than disabling it: a disabled main window would be drawn again in its disabled
    // colours, all of its controls twice per read-back, and flicker grey meanwhile.
    setWindowModality(Qt::WindowModal);
    buildControls();
    FormCreate();
}

void TForm3::buildControls()
{
    // The window's own title bar sits above the client area, which keeps its size.
    const int top = TSkinTitleBar::kHeight;
    setFixedSize(kClientWidth, kClientHeight + top);
    sfrm1 = new TSkinFrame(this, {});
    sfrm1->setObjectName(QStringLiteral("sfrm1"));

    img1 = new QLabel(this);
    img1->setObjectName(QStringLiteral("img1"));
    img1->setGeometry(16, top + 16, 32, 32);
    img1->setPixmap(PictureForScale(QStringLiteral(":/images/info.png"), devicePixelRatioF()));
    MarkAsDecoration(*img1);  // the text says it all

    lblDesc = new QLabel(this);
    lblDesc->setObjectName(QStringLiteral("lblDesc"));
    lblDesc->setGeometry(60, top + 16, 224, 32);
    lblDesc->setWordWrap(true);

    pbRdRf = new FlatProgressBar(this);
    pbRdRf->setObjectName(QStringLiteral("pbRdRf"));
    pbRdRf->setGeometry(16, top + 64, 264, 20);
    pbRdRf->setRange(0, ReadBackSteps());
    pbRdRf->setValue(0);
    pbRdRf->setTextVisible(false);
    sfrm1->raise();
}

void TForm3::FormCreate()
{
    const QSize screen = PrimaryScreenSize();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);
    SetTexts();
}

void TForm3::SetTexts()
{
    lblDesc->setText(Term(TermId::ReadBackLabel));
    setWindowTitle(Term(TermId::ReadBackTitle));
    pbRdRf->setAccessibleName(Term(TermId::ReadBackTitle));
}

void TForm3::closeEvent(QCloseEvent* event)
{
    // The window goes when the read-back ends, never at the user's request.
    event->ignore();
}

TForm3* EnsureProgressWindow(TForm1& mainWindow)
{
    if (TForm3* existing = mainWindow.ProgressWindow())
        return existing;
    auto* form = new TForm3;
    // Not a child of the main window, so that the window's lookups by name never reach the
    // progress window's controls; it goes when the main window goes.
    QObject::connect(&mainWindow, &QObject::destroyed, form, [form] { delete form; });
    // Kept above the main window by the window manager; the main window is blocked while it shows.
    form->winId();
    if (QWindow* handle = form->windowHandle(); handle && mainWindow.winId())
        handle->setTransientParent(mainWindow.windowHandle());
    mainWindow.SetProgressWindow(form);
    RegisterProgressWindowLanguage([](TForm3& window) { window.SetTexts(); });
    return form;
}
