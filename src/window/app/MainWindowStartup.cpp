// The main window's start-up and shutdown sequences.
#include "protocol/device/CommandChannel.h"
#include "protocol/device/DeviceClock.h"
#include "protocol/platform/ExecutableName.h"
#include "protocol/platform/ProcessList.h"
#include "window/app/FocusFrame.h"
#include "window/app/LogoBitmap.h"
#include "window/app/MainWindow.h"
#include "window/app/PrimaryScreenSize.h"
#include "window/app/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QRecursiveMutex>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kCustomLogoMaxWidth = 400;
constexpr int kCustomLogoMaxHeight = 60;

std::vector<ProcessList::Entry> ProcessSnapshot(ProcessList* processes)
{
    return processes ? processes->Snapshot() : std::vector<ProcessList::Entry>{};
}

QString SelfExeName(ProcessList* processes, const std::vector<ProcessList::Entry>& snapshot)
{
    if (!processes)
        return QString();
    const qint64 self = processes->CurrentPid();
    for (const ProcessList::Entry& entry : snapshot)
        if (entry.pid == self)
            return BareFileName(entry.exeFile);
    return QString();
}

void TerminateOtherInstances(ProcessList* processes, const QString& name,
                             const std::vector<ProcessList::Entry>& snapshot)
{
    if (!processes || name.isEmpty())
        return;
    const qint64 self = processes->CurrentPid();
    for (const ProcessList::Entry& entry : snapshot) {
        const bool sameName = SameNameIgnoringAsciiCase(BareFileName(entry.exeFile), name) ||
                              SameNameIgnoringAsciiCase(entry.exeFile, name);
        if (sameName && entry.pid != self)
            processes->Terminate(entry.pid);
    }
}

}  // namespace

QString TForm1::workingDirectory() const
{
    return services_.workingDirectory.isEmpty() ? QDir::currentPath() : services_.workingDirectory;
}

void TForm1::FormCreate(QObject*)
{
    deviceLock_ = std::make_unique<QRecursiveMutex>();
    if (const std::optional<QString> title = TitleFromSettings(workingDirectory()))
        setWindowTitle(*title);
    imgConnected->move(gifBind->pos());
    imgNoneDev->move(gifBind->pos());
    pbMseBattery->setValue(0);
    pbKbdBattery->setValue(0);
    loadCustomLogo();
    // One look at the process list (a read of every process's executable) serves both steps.
    ProcessList* processList = services_.processes.get();
    const std::vector<ProcessList::Entry> processes = ProcessSnapshot(processList);
    ::TerminateOtherInstances(processList, SelfExeName(processList, processes), processes);
    FormResize(this);
    centreOnScreen();
    ShowNoReceiver();
    LoadLanguage();
    // Old systems needed a device-change broadcast here; none of ours does.
    if (!startHidden_) {
        show();
        ShowFocusFromTheStart(*this);
        repaint();
    }
    // What only the engineering size shows is built once the window stands on screen (or
    // would, but for a hidden start), before anything can use it: the first device change, a
    // handler, a name lookup.
    startedUp_ = true;
    ensureEngineeringAreas();
    QCoreApplication::processEvents();
    clearChannelGrids();
}

void TForm1::loadCustomLogo()
{
    imgCust->setVisible(false);
    const QImage logo = ReadLogoBitmap(workingDirectory() + QStringLiteral("/logo.bmp"),
                                       QSize(kCustomLogoMaxWidth, kCustomLogoMaxHeight));
    if (!logo.isNull()) {
        imgCust->setPixmap(QPixmap::fromImage(logo));
        imgCust->adjustSize();
        imgCust->setVisible(true);
    }
    imgLogo->setVisible(!imgCust->isVisibleTo(this));
}

void TForm1::centreOnScreen()
{
    const QSize screen = PrimaryScreenSize();
    QPoint place(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);
    // A window larger than the screen (a high scale factor) keeps its title bar and top-left
    // corner on the screen's free area.
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        const QRect free = primary->availableGeometry();
        place.setX(std::max(place.x(), free.left()));
        place.setY(std::max(place.y(), free.top()));
    }
    move(place);
}

void TForm1::clearChannelGrids()
{
    static const char* const kPrefixes[] = {"edtFHSS", "edtRSSI", "edtKBDFHSS"};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 8; ++column)
            for (const char* prefix : kPrefixes)
                if (QLineEdit* cell = FindGridCell(QString::fromLatin1(prefix), row, column))
                    cell->clear();
}

QString TForm1::GetSelfExeName()
{
    return SelfExeName(services_.processes.get(), ProcessSnapshot(services_.processes.get()));
}

void TForm1::TerminateOtherInstances(const QString& name)
{
    ::TerminateOtherInstances(services_.processes.get(), name,
                              ProcessSnapshot(services_.processes.get()));
}

void TForm1::FormResize(QObject*)
{
    // A fixed size also tells the window manager that the border cannot be dragged.
    if (minimumSize() != QSize(WindowWidth, WindowHeight) ||
        maximumSize() != QSize(WindowWidth, WindowHeight))
        setFixedSize(WindowWidth, WindowHeight);
    if (width() != WindowWidth || height() != WindowHeight)
        resize(WindowWidth, WindowHeight);
    reachOnlyShownAreas();
}

void TForm1::FormCloseQuery(QObject*)
{
    if (closing_)
        return;
    closing_ = true;
    hide();
    tmrStatus->stop();
    tmrSoftBind->stop();
    // From here on no report goes to the device, even from an exchange that is still waiting
    // further up the stack.
    Channel().setReceiver(nullptr);
    Channel().setClosed(true);
    Clock().sleep(50);
    // The device lock stays allocated until the window goes: a handler further up the stack
    // may still hold it.
    freeDevListObjects();
    if (services_.endProcess)
        services_.endProcess(0);
}
