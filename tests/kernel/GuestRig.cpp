#include "GuestRig.h"

#include "protocol/device/HidController.h"
#include "window/app/Application.h"
#include "window/app/MainWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QThread>

#include <algorithm>

void SteppedClock::sleep(int ms)
{
    if (ms > 0)
        now_ += ms;
}

void SteppedClock::pump()
{
    if (processEvents_)
        QCoreApplication::processEvents();
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

std::vector<QString> HidrawNodesOf(quint16 vendorId, quint16 productId)
{
    // /sys/class/hidraw/hidrawN/device links to the HID device "BUS:VID:PID.SEQ".
    const QString identity =
        QString::asprintf(":%04X:%04X.", unsigned(vendorId), unsigned(productId));
    std::vector<QString> nodes;
    const QDir classDir(QStringLiteral("/sys/class/hidraw"));
    for (const QString& name : classDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString device =
            QFileInfo(classDir.filePath(name + QStringLiteral("/device"))).symLinkTarget();
        if (QFileInfo(device).fileName().mid(4, identity.size()) == identity)
            nodes.push_back(QStringLiteral("/dev/") + name);
    }
    return nodes;
}

ServedReceiver::ServedReceiver(SimDeviceProfile profile, std::shared_ptr<ReceiverModel> firmware,
                               std::shared_ptr<DeviceClock> clock)
    : profile_(profile), receiver_(std::move(profile), std::move(firmware), std::move(clock))
{
    if (receiver_.open() != UhidReceiver::OpenResult::Ok)
        return;
    server_ = std::thread([this] {
        while (!stop_ && receiver_.serve(10)) {
            if (replugAfterRemoval_ && plugWanted_ && !receiver_.isPlugged())
                receiver_.plug();
        }
    });
}

ServedReceiver::~ServedReceiver()
{
    unplug();
    stop_ = true;
    if (server_.joinable())
        server_.join();
}

bool ServedReceiver::plug()
{
    if (!server_.joinable())
        return false;
    const std::vector<QString> before = HidrawNodesOf(profile_.vendorId, profile_.productId);
    plugWanted_ = true;
    if (!receiver_.plug())
        return false;
    const auto appeared = [&] {
        for (const QString& node : HidrawNodesOf(profile_.vendorId, profile_.productId))
            if (std::find(before.begin(), before.end(), node) == before.end() &&
                QFileInfo::exists(node)) {
                node_ = node;
                return true;
            }
        return false;
    };
    return WaitFor(appeared, 5000);
}

bool ServedReceiver::findReplugged()
{
    const auto appeared = [&] {
        for (const QString& node : HidrawNodesOf(profile_.vendorId, profile_.productId))
            if (receiver_.isPlugged() && QFileInfo::exists(node)) {
                node_ = node;
                return true;
            }
        return false;
    };
    return WaitFor(appeared, 5000);
}

void ServedReceiver::unplug()
{
    plugWanted_ = false;
    receiver_.unplug();
    if (!node_.isEmpty())
        WaitFor([this] { return !QFileInfo::exists(node_); }, 5000);
    node_.clear();
}

std::vector<QString> ServedReceiver::transcriptSince(qint64 mark) const
{
    return Transcript(receiver_.logSince(mark));
}

std::vector<QString> Transcript(const std::vector<ReportLogEntry>& entries)
{
    std::vector<QString> lines;
    for (const ReportLogEntry& e : entries)
        lines.push_back(
            QStringLiteral("%1 %2%3").arg(e.isSet() ? QStringLiteral("set") : QStringLiteral("get"),
                                          e.hex(), e.ok ? QString() : QStringLiteral(" failed")));
    return lines;
}

std::string TranscriptText(const std::vector<QString>& transcript)
{
    return QStringList(transcript.begin(), transcript.end()).join(QLatin1Char('\n')).toStdString();
}

std::string SetLines(const std::vector<QString>& transcript, size_t count)
{
    QStringList sets;
    for (const QString& line : transcript)
        if (line.startsWith(QLatin1String("set")) && size_t(sets.size()) < count)
            sets << line;
    return sets.join(QLatin1Char('\n')).toStdString();
}

namespace {

class CountingConnection final : public HidConnection {
public:
    CountingConnection(std::unique_ptr<HidConnection> inner, std::shared_ptr<int> calls)
        : inner_(std::move(inner)), calls_(std::move(calls))
    {}
    bool canTransfer() const override { return inner_->canTransfer(); }
    bool getAttributes(HidAttributes& out) override { return inner_->getAttributes(out); }
    bool getCaps(HidCaps& out) override { return inner_->getCaps(out); }
    bool setFeature(const quint8* data, int len) override
    {
        ++*calls_;
        return inner_->setFeature(data, len);
    }
    bool getFeature(quint8* data, int len) override
    {
        ++*calls_;
        return inner_->getFeature(data, len);
    }
    bool getProductString(QString& out) override { return inner_->getProductString(out); }
    bool getSerialNumberString(QString& out) override { return inner_->getSerialNumberString(out); }
    bool getIndexedString(int index, QString& out) override
    {
        return inner_->getIndexedString(index, out);
    }
    bool removed() const override { return inner_->removed(); }

private:
    std::unique_ptr<HidConnection> inner_;
    std::shared_ptr<int> calls_;
};

}  // namespace

CountingBackend::CountingBackend(std::shared_ptr<HidBackend> inner) : inner_(std::move(inner))
{
    inner_->setChangeHandler([this] { notifyChange(); });
}

std::unique_ptr<HidConnection> CountingBackend::open(const HidNodeInfo& node, HidAccess access,
                                                     HidOpenError* error)
{
    std::unique_ptr<HidConnection> inner = inner_->open(node, access, error);
    return inner ? std::make_unique<CountingConnection>(std::move(inner), calls_) : nullptr;
}

GuestWindow::GuestWindow(std::shared_ptr<HidBackend> backend, std::shared_ptr<DeviceClock> clock,
                         bool hiddenInTray)
{
    services.hid = std::move(backend);
    AppServices made = services.Make();
    made.clock = std::move(clock);
    made.companion.trayHost = [hiddenInTray] { return hiddenInTray; };
    window = std::make_unique<TForm1>(std::move(made));
    window->Guarded([this, hiddenInTray] { StartWindows(*window, hiddenInTray, 0); });
    QCoreApplication::processEvents();
}

GuestWindow::~GuestWindow()
{
    window.reset();
}

void GuestWindow::holdTimers() const
{
    window->tmrStatus->stop();
    window->tmrSoftBind->stop();
}

namespace {

QString ShownVid(const TForm1& window)
{
    return window.Find<QLineEdit>(QStringLiteral("edtVID"))->text();
}

}  // namespace

bool GuestWindow::attachedTo(const ServedReceiver& receiver) const
{
    const THidDevice* device = window->Receiver();
    return device && device->IsPluggedIn() && device->PnPInfo().DevicePath == receiver.node() &&
           ShownVid(*window) == QLatin1String("7A3C");
}

bool GuestWindow::showsNoReceiver() const
{
    return !window->Receiver() && ShownVid(*window).isEmpty();
}
