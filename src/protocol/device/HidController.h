#pragma once

#include "protocol/device/HidBackend.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class THidDeviceController;

// Plug-and-play record of one collection. The tool uses only the path and the instance identity.
struct THidPnPInfo {
    QString DeviceInstance;
    QString DevicePath;
    int CollectionIndex = 0;
};

class THidDevice;
using THidPlugEvent = std::function<void(THidDevice* HidDev)>;
using THidEnumerateEvent = std::function<bool(THidDevice* HidDev, int Idx)>;
using THidDataEvent =
    std::function<void(THidDevice* HidDev, quint8 ReportID, const quint8* Data, quint16 Size)>;
using THidDataErrorEvent = std::function<void(THidDevice* HidDev, quint32 Error)>;

// One HID top-level collection. Created by the controller; lent to the application by
// LendDevice. Deleting a lent device returns it to the controller.
class THidDevice {
public:
    ~THidDevice();
    THidDevice(const THidDevice&) = delete;
    THidDevice& operator=(const THidDevice&) = delete;

    const THidPnPInfo& PnPInfo() const { return pnp_; }
    const HidAttributes& Attributes() const { return attributes_; }
    quint16 VendorID() const { return attributes_.VendorID; }
    quint16 ProductID() const { return attributes_.ProductID; }

    bool IsPluggedIn() const { return pluggedIn_; }
    bool IsCheckedOut() const { return checkedOut_; }
    bool IsEnumerating() const { return enumerating_; }
    bool HasReadWriteAccess() const { return readWrite_; }

    // Zero-filled when the collection's capabilities cannot be read.
    HidCaps Caps();
    QString ProductName();
    QString SerialNumber();

    bool WriteFeature(const quint8* buffer, int length);
    bool ReadFeature(quint8* buffer, int length);

    bool OpenFile();
    void CloseFile();
    bool IsFileOpen() const { return handle_ != nullptr; }

    int ThreadSleepTime() const { return threadSleepTime_; }
    void SetThreadSleepTime(int ms);

    THidPlugEvent OnUnplug;
    THidDataEvent OnData;
    THidDataErrorEvent OnDataError;

private:
    friend class THidDeviceController;
    THidDevice(THidDeviceController* controller, HidBackend& backend, const HidNodeInfo& node);
    // Opens the node, reads its attributes and closes it again. Null, with the reason in
    // *failure, when the device cannot be opened or identified.
    static std::unique_ptr<THidDevice> Create(THidDeviceController* controller, HidBackend& backend,
                                              const HidNodeInfo& node, QString* failure,
                                              HidOpenError* openError = nullptr);
    bool OpenHandle(std::unique_ptr<HidConnection>& out, HidOpenError* openError);
    void MarkUnplugged();
    // A transfer or an open found the device removed: the controller lists again.
    void ReportRemoval();

    THidDeviceController* controller_;
    HidBackend& backend_;
    HidNodeInfo node_;
    THidPnPInfo pnp_;
    HidAttributes attributes_;
    std::unique_ptr<HidConnection> handle_;
    bool pluggedIn_ = true;
    bool checkedOut_ = false;
    bool enumerating_ = false;
    bool readWrite_ = false;
    bool removalReported_ = false;
    bool capsFetched_ = false;
    HidCaps caps_;
    QString productName_;
    QString serialNumber_;
    int threadSleepTime_ = 100;
};

// Keeps the list of present HID collections current and lends device objects to the
// application. Device-change notifications come from the backend; the first one is posted
// when the controller is created.
class THidDeviceController : public QObject {
    Q_OBJECT
public:
    explicit THidDeviceController(std::shared_ptr<HidBackend> backend, QObject* parent = nullptr);
    ~THidDeviceController() override;

    static QString Version() { return QStringLiteral("1.0.34"); }

    int EnumerateDevices();
    bool LendDevice(int index, THidDevice*& device);
    void ReturnDevice(THidDevice*& device);

    int Count() const { return static_cast<int>(list_.size()); }
    THidDevice* DeviceAt(int index) const;
    int CheckedInCount() const { return checkedIn_; }
    int CheckedOutCount() const { return checkedOut_; }
    int UnpluggedCount() const { return unplugged_; }
    // True when the node was present at the latest listing and could not be opened for lack of
    // permission.
    bool Denied(const QString& instanceId) const { return deniedInstances_.contains(instanceId); }

    int DevThreadSleepTime() const { return devThreadSleepTime_; }
    void SetDevThreadSleepTime(int ms);

    // Runs the change handling for one notification. lParam -1 always counts as a change.
    void HandleNotification(long lParam);
    bool InDeviceChange() const { return inDeviceChange_; }

    THidEnumerateEvent OnEnumerate;
    std::function<void(QObject* sender)> OnDeviceChange;
    THidPlugEvent OnArrival;
    THidPlugEvent OnRemoval;
    THidPlugEvent OnDeviceUnplug;
    THidDataEvent OnDeviceData;
    THidDataErrorEvent OnDeviceDataError;
    // Nodes that could not be opened for lack of permission (listed by the platform, left out
    // of the list), raised once per listing for the nodes refused for the first time since
    // they were plugged in: a node refused again at a later listing is not raised again.
    std::function<void(const std::vector<HidNodeInfo>& nodes)> OnAccessDenied;

private:
    friend class THidDevice;
    std::vector<std::unique_ptr<THidDevice>> BuildPresentList();
    // Marks the listed devices that are gone; true when there was any.
    bool RemoveVanished(const std::vector<std::unique_ptr<THidDevice>>& present);
    // Lists the present devices not known yet; true when there was any.
    bool AppendArrivals(std::vector<std::unique_ptr<THidDevice>>& present);
    void DeviceDestroyed(THidDevice* device);
    void RecountDevices();
    void PostNotification(long lParam);

    std::shared_ptr<HidBackend> backend_;
    std::vector<THidDevice*> list_;
    int checkedIn_ = 0;
    int checkedOut_ = 0;
    int unplugged_ = 0;
    int devThreadSleepTime_ = 100;
    bool inDeviceChange_ = false;
    bool notificationMissed_ = false;
    long lastLParam_ = 0;
    // Instances refused for lack of permission at the latest listing.
    QSet<QString> deniedInstances_;
};
