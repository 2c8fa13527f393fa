#include "device/CommandChannel.h"

#include "device/DeviceClock.h"
#include "device/HidControllerClass.h"

CommandChannel::CommandChannel(DeviceClock& clock) : clock_(clock) {}

CommandChannel::Report CommandChannel::request(std::initializer_list<quint8> bytes)
{
    Report r{};
    r[0] = 1;
    size_t i = 1;
    for (quint8 b : bytes) {
        if (i >= 8)
            break;
        r[i++] = b;
    }
    return r;
}

int CommandChannel::reportLength() const
{
    // Queried before every call, as the device may have changed; a length that does not fit the
    // buffer fails the call rather than reading past it.
    if (!receiver_)
        return 0;
    const int length = receiver_->Caps().FeatureReportByteLength;
    return length >= 1 && length <= static_cast<int>(Report{}.size()) ? length : 0;
}

bool CommandChannel::setFeature(const Report& buffer)
{
    const int length = reportLength();
    return receiver_ && length > 0 && receiver_->WriteFeature(buffer.data(), length);
}

bool CommandChannel::getFeature(Report& buffer)
{
    const int length = reportLength();
    return receiver_ && length > 0 && receiver_->ReadFeature(buffer.data(), length);
}

void CommandChannel::log(const QString& line) const
{
    if (debugLog_)
        debugLog_(line);
}

int CommandChannel::EepromReadWord(quint8 wordNumber)
{
    clock_.pump();
    if (!receiver_)
        return -1;
    Report buffer{};
    for (int attempt = 1;; ++attempt) {
        buffer = request({0x03, wordNumber});
        if (!setFeature(buffer))
            return -1;
        clock_.sleep(2);
        if (!getFeature(buffer))
            return -1;
        clock_.sleep(2);
        clock_.pump();
        if (acknowledged(buffer) || attempt >= kRetryLimit)
            break;
    }
    if (!acknowledged(buffer))
        return -1;
    return buffer[0] * 256 + buffer[1];
}

void CommandChannel::EepromWriteWord(quint8 wordNumber, quint16 value)
{
    if (!receiver_)
        return;
    for (int pass = 1;; ++pass) {
        const Report buffer = request({0x04, wordNumber, quint8(value >> 8), quint8(value & 0xFF)});
        if (!setFeature(buffer))
            return;
        clock_.sleep(12);
        clock_.pump();
        const int check = EepromReadWord(wordNumber);
        log(QString::asprintf("WRT EEPROM Addr %d data %X CheckData %X", int(wordNumber),
                              unsigned(value), unsigned(check)));
        if (check == value || pass >= kRetryLimit)
            return;
    }
}

int CommandChannel::RfQuery(quint8 command, quint8 operand)
{
    if (!receiver_)
        return -1;
    Report buffer{};
    for (int attempt = 1;; ++attempt) {
        buffer = request({command, kRfMarker, operand});
        if (setFeature(buffer)) {
            clock_.sleep(5);
            getFeature(buffer);  // an unread reply keeps byte 7 = 0 and is retried
        }
        clock_.sleep(5);
        clock_.pump();
        if (acknowledged(buffer) || attempt >= kRetryLimit)
            break;
    }
    return acknowledged(buffer) ? buffer[0] : -1;
}

void CommandChannel::RfCommand(quint8 command, quint8 operand1, quint8 operand2)
{
    if (!receiver_)
        return;
    setFeature(request({command, kRfMarker, operand1, operand2}));
}

void CommandChannel::plainCommand(const Report& req)
{
    if (receiver_)
        setFeature(req);
}

bool CommandChannel::polledRead(const Report& req, Report& reply)
{
    reply = req;
    if (!receiver_)
        return false;
    for (int attempt = 1; attempt <= kRetryLimit; ++attempt) {
        reply = req;
        if (setFeature(reply)) {
            clock_.sleep(2);
            getFeature(reply);
        }
        clock_.sleep(2);
        clock_.pump();
        if (acknowledged(reply))
            return true;
    }
    return false;
}

bool CommandChannel::strictRead(const Report& req, Report& reply)
{
    reply = req;
    if (!receiver_)
        return false;
    for (int attempt = 1; attempt <= kRetryLimit; ++attempt) {
        reply = req;
        if (!setFeature(reply))
            return false;
        clock_.sleep(2);
        if (!getFeature(reply))
            return false;
        clock_.sleep(2);
        clock_.pump();
        if (acknowledged(reply))
            return true;
    }
    return false;
}

bool CommandChannel::statusRead(const Report& req, Report& reply, bool waitBetween)
{
    reply = req;
    if (!setFeature(reply))
        return false;
    if (waitBetween)
        clock_.sleep(2);
    return getFeature(reply);
}
