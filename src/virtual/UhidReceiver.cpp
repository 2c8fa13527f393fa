#include "virtual/UhidReceiver.h"

#include "protocol/device/DeviceClock.h"
#include "sim/ReceiverModel.h"
#include "virtual/DescriptorFromProfile.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <linux/uhid.h>
#include <poll.h>
#include <unistd.h>

namespace {

using Direction = ReportLogEntry::Direction;

constexpr size_t kHeaderSize = offsetof(uhid_event, u);

void copyText(__u8* target, size_t capacity, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::memcpy(target, bytes.constData(), std::min(size_t(bytes.size()), capacity - 1));
}

}  // namespace

UhidReceiver::UhidReceiver(SimDeviceProfile profile, std::shared_ptr<ReceiverModel> firmware,
                           std::shared_ptr<DeviceClock> clock)
    : profile_(std::move(profile)),
      firmware_(std::move(firmware)),
      clock_(clock ? std::move(clock) : std::make_shared<RealDeviceClock>())
{}

UhidReceiver::~UhidReceiver()
{
    unplug();
    if (fd_ >= 0)
        ::close(fd_);
}

UhidReceiver::OpenResult UhidReceiver::open(const QString& path)
{
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd_ >= 0)
        return OpenResult::Ok;
    openErrno_ = errno;
    switch (openErrno_) {
    case ENOENT:
    case ENODEV:
    case ENXIO: return OpenResult::Missing;
    case EACCES:
    case EPERM: return OpenResult::Refused;
    default: return OpenResult::Failed;
    }
}

bool UhidReceiver::plug()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (fd_ < 0 || plugged_)
        return plugged_;
    const std::vector<std::uint8_t> descriptor = DescriptorFromProfile(profile_);
    if (descriptor.size() > HID_MAX_DESCRIPTOR_SIZE)
        return false;
    uhid_event event{};
    event.type = UHID_CREATE2;
    uhid_create2_req& create = event.u.create2;
    copyText(create.name, sizeof create.name, profile_.product);
    copyText(create.phys, sizeof create.phys, QStringLiteral("karvelo-rf-virtual"));
    copyText(create.uniq, sizeof create.uniq, profile_.serial);
    create.rd_size = __u16(descriptor.size());
    create.bus = kBusUsb;
    create.vendor = profile_.vendorId;
    create.product = profile_.productId;
    create.version = profile_.version;
    std::copy(descriptor.begin(), descriptor.end(), create.rd_data);
    plugged_ = send(event);
    return plugged_;
}

void UhidReceiver::unplug()
{
    std::lock_guard<std::mutex> lock(mutex_);
    destroyLocked();
}

void UhidReceiver::destroyLocked()
{
    if (!plugged_)
        return;
    uhid_event event{};
    event.type = UHID_DESTROY;
    send(event);
    plugged_ = false;
}

bool UhidReceiver::isPlugged() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return plugged_;
}

bool UhidReceiver::serve(int timeoutMs)
{
    if (fd_ < 0)
        return false;
    pollfd watched{fd_, POLLIN, 0};
    const int ready = ::poll(&watched, 1, std::max(timeoutMs, 0));
    if (ready < 0)
        return errno == EINTR;
    if (ready == 0)
        return true;
    if (watched.revents & (POLLERR | POLLHUP | POLLNVAL))
        return false;
    for (int i = 0; i < kMaxEventsPerServe; ++i) {
        // The kernel may write short events; the rest reads as zeros (see linux/uhid.h).
        uhid_event event{};
        const ssize_t size = ::read(fd_, &event, sizeof event);
        if (size < 0)
            return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
        if (size < ssize_t(sizeof event.type))
            continue;
        std::lock_guard<std::mutex> lock(mutex_);
        handle(event, size_t(size));
    }
    return true;
}

void UhidReceiver::serveUntil(const std::atomic<bool>& stop, int pollMs)
{
    while (!stop.load() && serve(pollMs)) {
    }
}

void UhidReceiver::handle(const uhid_event& event, size_t size)
{
    switch (event.type) {
    case UHID_GET_REPORT:
        if (size >= kHeaderSize + sizeof(uhid_get_report_req))
            answerGet(event);
        break;  // a request without its id cannot be answered: the kernel times it out
    case UHID_SET_REPORT:
        if (size >= kHeaderSize + offsetof(uhid_set_report_req, data))
            answerSet(event, size);
        break;
    default: break;  // start, stop, open, close, output reports: nothing to answer
    }
}

int UhidReceiver::featureLength(quint8 reportId) const
{
    for (const SimCollection& c : profile_.collections)
        if (c.reportId == reportId && c.featureLength > 0)
            return c.featureLength;
    return 0;
}

bool UhidReceiver::unpluggedByFault(int direction)
{
    if (!plugged_ || !faults_.takeUnplug())
        return !plugged_;
    record(direction, nullptr, 0, false);
    destroyLocked();  // the request stays unanswered: the kernel fails it
    return true;
}

void UhidReceiver::answerGet(const uhid_event& event)
{
    const uhid_get_report_req& request = event.u.get_report;
    if (unpluggedByFault(int(Direction::Get)))
        return;
    uhid_event reply{};
    reply.type = UHID_GET_REPORT_REPLY;
    reply.u.get_report_reply.id = request.id;
    const int length = request.rtype == UHID_FEATURE_REPORT ? featureLength(request.rnum) : 0;
    if (length == 0 || faults_.takeGetFailure()) {
        reply.u.get_report_reply.err = EIO;
        record(int(Direction::Get), nullptr, length, false);
        send(reply);
        return;
    }
    ReceiverModel::Report answer{};
    if (std::optional<SimFaults::Report> scripted = faults_.takeScripted()) {
        answer = *scripted;
    } else {
        if (firmware_)
            answer = firmware_->reply(clock_->nowMs());
        faults_.spoil(answer);
    }
    __u8* data = reply.u.get_report_reply.data;
    std::copy_n(answer.begin(), std::min(size_t(length), answer.size()), data);
    reply.u.get_report_reply.size = __u16(length);
    record(int(Direction::Get), data, length, true);
    send(reply);
}

void UhidReceiver::answerSet(const uhid_event& event, size_t size)
{
    const uhid_set_report_req& request = event.u.set_report;
    if (unpluggedByFault(int(Direction::Set)))
        return;
    const size_t carried = size - kHeaderSize - offsetof(uhid_set_report_req, data);
    const int length = int(std::min({size_t(request.size), carried, size_t(UHID_DATA_MAX)}));
    const bool wellFormed = request.rtype == UHID_FEATURE_REPORT && length > 0 &&
                            length == featureLength(request.rnum) &&
                            request.data[0] == request.rnum;
    const bool ok = wellFormed && !faults_.takeSetFailure();
    if (ok && firmware_)
        firmware_->receive(request.data, length, clock_->nowMs());
    record(int(Direction::Set), request.data, length, ok);
    uhid_event reply{};
    reply.type = UHID_SET_REPORT_REPLY;
    reply.u.set_report_reply.id = request.id;
    reply.u.set_report_reply.err = ok ? 0 : EIO;
    send(reply);
}

bool UhidReceiver::send(const uhid_event& event)
{
    return ::write(fd_, &event, sizeof event) == ssize_t(sizeof event);
}

void UhidReceiver::record(int direction, const quint8* data, int length, bool ok)
{
    ReportLogEntry entry;
    entry.timeMs = clock_->nowMs();
    entry.deviceId = 1;
    entry.direction = Direction(direction);
    entry.length = length;
    if (data && (ok || entry.isSet()))
        entry.bytes.assign(data, data + length);
    entry.ok = ok;
    log_.record(std::move(entry));
}

void UhidReceiver::withState(const std::function<void(ReceiverModel*, SimFaults&)>& change)
{
    std::lock_guard<std::mutex> lock(mutex_);
    change(firmware_.get(), faults_);
}

qint64 UhidReceiver::logMark() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return log_.mark();
}

std::vector<ReportLogEntry> UhidReceiver::logSince(qint64 mark) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return log_.since(mark);
}
