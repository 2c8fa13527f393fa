#pragma once

#include "protocol/device/HidBackend.h"

#include <QString>
#include <QStringList>

#include <vector>

// What to tell a user whose receiver is plugged in but cannot be opened for lack of permission,
// in the language in force.
struct AccessHelp {
    QString title;
    QString problem;  // which receiver and nodes, and why
    QString install;  // the line before the commands
    QStringList commands;
    QString afterwards;  // what to do once the commands have run

    bool empty() const { return problem.isEmpty(); }
    // The whole help as plain text; the commands on lines of their own, indented by four blanks.
    QString plainText() const;
};

// The help for the refused nodes that belong to a receiver (other devices are not the tool's
// business: nothing for them). program is how the user starts the tool, for the command that
// prints the rule.
AccessHelp AccessHelpFor(const std::vector<HidNodeInfo>& refused, const QString& program);

// Where the commands of the help put the rule, and its file name.
inline constexpr const char* kUdevRulePath = "/etc/udev/rules.d/70-karvelo-rf-receiver.rules";

// The receiver's udev rule, exactly as the package installs it.
const char* UdevRuleText();
