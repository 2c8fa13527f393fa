#include "sim/SimFaults.h"

void SimFaults::corruptReplies(int count, int index, quint8 mask)
{
    corrupt_ = {index >= 0 && index < 8 ? count : 0};
    corruptIndex_ = index;
    corruptMask_ = mask;
}

void SimFaults::scriptReplies(std::initializer_list<Report> replies)
{
    for (const Report& reply : replies)
        scripted_.push_back(reply);
}

std::optional<SimFaults::Report> SimFaults::takeScripted()
{
    if (scripted_.empty())
        return std::nullopt;
    Report reply = scripted_.front();
    scripted_.pop_front();
    return reply;
}

void SimFaults::spoil(Report& reply)
{
    if (corrupt_.take())
        reply[size_t(corruptIndex_)] ^= corruptMask_;
    if (nack_.take())
        reply[7] = nackByte_;
}
