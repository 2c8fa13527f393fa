#include "cli/CliCommands.h"
#include "cli/CliSession.h"
#include "cli/CliTexts.h"
#include "protocol/device/HidBackend.h"
#include "protocol/device/ReceiverIdentity.h"

#include <QJsonArray>

#include <algorithm>

namespace {

struct ListedReceiver {
    HidNodeInfo node;
    bool openable = false;
};

std::vector<ListedReceiver> PresentReceivers(HidBackend& backend)
{
    std::vector<ListedReceiver> receivers;
    for (const HidNodeInfo& node : backend.listPresent()) {
        if (!IsReceiverId(node.vendorId, node.productId))
            continue;
        const bool listed =
            std::any_of(receivers.begin(), receivers.end(),
                        [&](const ListedReceiver& r) { return r.node.path == node.path; });
        if (listed)
            continue;  // one line per node, whatever its collections
        HidOpenError error = HidOpenError::None;
        const bool openable = backend.open(node, HidAccess::ReadWrite, &error) != nullptr;
        receivers.push_back({node, openable});
    }
    return receivers;
}

}  // namespace

int RunList(CliSession& session, const CliOptions&, CliOutput& out)
{
    QJsonArray array;
    const std::vector<ListedReceiver> receivers = PresentReceivers(session.backend());
    for (const ListedReceiver& r : receivers) {
        const QString ids =
            QString::asprintf("%04X:%04X", unsigned(r.node.vendorId), unsigned(r.node.productId));
        out.line(QStringLiteral("%1  %2  %3")
                     .arg(r.node.path, ids,
                          Localized(r.openable ? CliText::kAccessOk : CliText::kAccessDenied)));
        if (!r.openable && !out.json())
            out.line(QStringLiteral("    ") + Localized(CliText::kNoAccess).arg(r.node.path));
        array.append(QJsonObject{
            {QStringLiteral("node"), r.node.path},
            {QStringLiteral("vendorId"), QString::asprintf("%04X", unsigned(r.node.vendorId))},
            {QStringLiteral("productId"), QString::asprintf("%04X", unsigned(r.node.productId))},
            {QStringLiteral("access"), r.openable}});
    }
    if (receivers.empty())
        out.error([&] { return Localized(CliText::kNoReceiver); });
    out.document().insert(QStringLiteral("receivers"), array);
    return receivers.empty() ? CliExit::kNoReceiver : CliExit::kDone;
}
