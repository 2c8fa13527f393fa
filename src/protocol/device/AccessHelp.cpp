#include "protocol/device/AccessHelp.h"

#include "UdevRuleText.h"
#include "protocol/device/ReceiverIdentity.h"
#include "protocol/i18n/PermissionTexts.h"

QString AccessHelp::plainText() const
{
    QString text = problem + QLatin1Char('\n') + install + QLatin1Char('\n');
    for (const QString& command : commands)
        text += QStringLiteral("    ") + command + QLatin1Char('\n');
    return text + afterwards;
}

AccessHelp AccessHelpFor(const std::vector<HidNodeInfo>& refused, const QString& program)
{
    AccessHelp help;
    QStringList nodes;
    const HidNodeInfo* receiver = nullptr;
    for (const HidNodeInfo& node : refused) {
        if (!IsReceiverId(node.vendorId, node.productId))
            continue;
        receiver = receiver ? receiver : &node;
        if (!nodes.contains(node.path))  // the collections of one node share its path
            nodes << node.path;
    }
    if (!receiver)
        return help;
    const QString id =
        QString::asprintf("%04X:%04X", unsigned(receiver->vendorId), unsigned(receiver->productId));
    help.title = Localized(PermissionText::kTitle);
    help.problem = Localized(PermissionText::kProblem).arg(id, nodes.join(QStringLiteral(", ")));
    help.install = Localized(PermissionText::kInstall);
    help.commands = {
        program + QStringLiteral(" --print-udev-rules | sudo tee ") +
            QString::fromLatin1(kUdevRulePath),
        QStringLiteral("sudo udevadm control --reload"),
        QStringLiteral("sudo udevadm trigger --subsystem-match=hidraw"),
    };
    help.afterwards = Localized(PermissionText::kReplug);
    return help;
}

const char* UdevRuleText()
{
    return kUdevRuleText;
}
