#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What karvelo-rf-virtual was asked for on its command line.
struct VirtualOptions {
    enum class Profile { Receiver, MouseOnly };

    quint16 productId = 0x0E41;
    Profile profile = Profile::Receiver;
    bool demoFirmware = true;
    qint64 unplugAfterMs = -1;  // -1: never
    qint64 replugAfterMs = -1;  // after any unplug; -1: only on SIGUSR2
    QString logPath;            // "-": standard output
    QString uhidPath = QStringLiteral("/dev/uhid");

    // Faults, as SimFaults counts them (SimFaults::kAlways for "always").
    int nackReplies = 0;
    int failSets = 0;
    int failGets = 0;
    int corruptReplies = 0;
    int corruptIndex = 0;
    quint8 corruptMask = 0;
    int unplugAtExchange = 0;
    bool mouseOutOfReach = false;
    int replyDelayMs = 0;

    bool help = false;
    QString error;  // a usage error, when not empty
};

VirtualOptions ParseVirtualOptions(const QStringList& arguments);
QString VirtualUsage();

// Exit statuses.
constexpr int kExitDone = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoUhid = 3;
