#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// What a command prints: lines for people, or one JSON document for scripts (--json). Errors
// always go to standard error as text.
class CliOutput {
public:
    explicit CliOutput(bool json) : json_(json) {}

    bool json() const { return json_; }
    void line(const QString& text) { lines_ << text; }
    // Lines of a label and a value, the values in one column (Chinese characters take two).
    void fields(const std::vector<std::pair<QString, QString>>& rows);
    QJsonObject& document() { return document_; }
    void error(const QString& text) { errors_ << text; }
    // Writes a message to standard error at once: before what the command goes on to do.
    void warnNow(const QString& text);

    // Forgets what was collected so far: lines, document and errors.
    void discard();
    // Writes what was collected; the JSON document only when it holds anything.
    void flush();

private:
    bool json_;
    QStringList lines_;
    QStringList errors_;
    QJsonObject document_;
};

// Exit statuses of every command.
namespace CliExit {
constexpr int kDone = 0;
constexpr int kDeviceFailed = 1;
constexpr int kUsage = 2;
constexpr int kNoReceiver = 3;
}  // namespace CliExit
