#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

// One top-level collection of a simulated HID device. Lengths include the report ID byte.
struct SimCollection {
    quint16 usagePage = 0x0001;
    quint16 usage = 0x0002;
    quint16 inputLength = 0;
    quint16 outputLength = 0;
    quint16 featureLength = 8;
    quint8 reportId = 1;  // 0: the collection uses no report IDs
    // The descriptor cannot be parsed: the capabilities cannot be read.
    bool malformedDescriptor = false;
};

enum class SimOpenPolicy {
    Allow,
    IdentifyOnly,  // read-write access refused; a handle without access rights still opens
    Deny,          // every open refused for lack of permission
};

// What a simulated device presents to the host.
struct SimDeviceProfile {
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 version = 0x0100;
    QString product;
    QString serial;
    // String index 0: the language list, one UTF-16 code unit per language.
    QString languages = QString(QChar(0x0409));
    std::vector<SimCollection> collections{SimCollection{}};
    SimOpenPolicy openPolicy = SimOpenPolicy::Allow;
    bool failIdentify = false;  // the attributes cannot be read
};
