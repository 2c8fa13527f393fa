#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

// What the platform tells about one present HID top-level collection before it is opened.
struct HidNodeInfo {
    QString path;        // what open() takes; collections of one interface may share it
    QString instanceId;  // stable and unique per collection while it stays plugged in
    int collectionIndex = 0;
    // Identity as listed, before opening; used only for messages about nodes that cannot be
    // opened. The device object reads its attributes through an open handle.
    quint16 vendorId = 0;
    quint16 productId = 0;
};

struct HidAttributes {
    quint32 Size = 12;
    quint16 VendorID = 0;
    quint16 ProductID = 0;
    quint16 VersionNumber = 0;
};

// The capabilities record of one top-level collection. Lengths include the report ID byte
// (one byte more than the data when the collection uses report IDs), as Windows reports them.
struct HidCaps {
    quint16 Usage = 0;
    quint16 UsagePage = 0;
    quint16 InputReportByteLength = 0;
    quint16 OutputReportByteLength = 0;
    quint16 FeatureReportByteLength = 0;
};

enum class HidAccess { ReadWrite, NoAccess };

enum class HidOpenError { None, PermissionDenied, NotFound, Failed };

// An open handle on one collection.
class HidConnection {
public:
    virtual ~HidConnection() = default;
    // False for a handle opened without access rights: such a handle identifies the device but
    // cannot transfer reports.
    virtual bool canTransfer() const = 0;
    virtual bool getAttributes(HidAttributes& out) = 0;
    virtual bool getCaps(HidCaps& out) = 0;
    // Byte 0 of the buffer is the report ID; len includes it.
    virtual bool setFeature(const quint8* data, int len) = 0;
    virtual bool getFeature(quint8* data, int len) = 0;
    virtual bool getProductString(QString& out) = 0;
    virtual bool getSerialNumberString(QString& out) = 0;
    // String index 0 is the device's language list.
    virtual bool getIndexedString(int index, QString& out) = 0;
    // True once a transfer failed because the device is gone (the kernel's ENODEV), as
    // opposed to one it refused: nothing reaches the device through this handle any more.
    virtual bool removed() const { return false; }
};

// The platform's HID facilities. Notifications of added or removed devices reach the change
// handler on the user-interface thread.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    // False when the platform's HID facilities are missing: nothing will ever be listed.
    virtual bool available() const = 0;
    virtual std::vector<HidNodeInfo> listPresent() = 0;
    virtual std::unique_ptr<HidConnection> open(const HidNodeInfo& node, HidAccess access,
                                                HidOpenError* error) = 0;

    void setChangeHandler(std::function<void()> handler) { changeHandler_ = std::move(handler); }

protected:
    void notifyChange()
    {
        if (changeHandler_)
            changeHandler_();
    }
    bool hasChangeHandler() const { return bool(changeHandler_); }

private:
    std::function<void()> changeHandler_;
};
