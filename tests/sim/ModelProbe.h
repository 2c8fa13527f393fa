#pragma once

#include "sim/ReceiverModel.h"
#include "sim/ReportLog.h"

#include <initializer_list>
#include <string>

// Talks to a firmware model directly: request bytes 1..7 in, reply bytes 0..7 out as hex.
inline std::string ask(ReceiverModel& model, std::initializer_list<quint8> bytes, qint64 nowMs = 0)
{
    ReceiverModel::Report request{};
    request[0] = 1;
    size_t i = 1;
    for (quint8 b : bytes)
        if (i < request.size())
            request[i++] = b;
    model.receive(request.data(), int(request.size()), nowMs);
    const ReceiverModel::Report reply = model.reply(nowMs);
    return ReportLog::hex(reply.data(), int(reply.size())).toStdString();
}

inline const char* const kNoAnswer = "00 00 00 00 00 00 00 00";
