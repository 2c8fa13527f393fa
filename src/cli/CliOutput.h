#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// Columns a text takes on a terminal: two for the East Asian wide characters.
int DisplayWidth(const QString& text);

// The version of the JSON interface: within one version keys are only ever added, never
// renamed, removed or given another type.
inline constexpr int kJsonApiVersion = 1;

// What a command prints: lines for people, or one JSON document for scripts (--json). Errors
// always go to standard error as text; with --json a failure also puts them into the document,
// in English, with the exit status.
class CliOutput {
public:
    explicit CliOutput(bool json) : json_(json) {}
    // The document on one line (a stream of them, as the watch prints).
    void setCompact(bool compact) { compact_ = compact; }

    bool json() const { return json_; }
    void line(const QString& text) { lines_ << text; }
    // Lines of a label and a value, the values in one column (Chinese characters take two).
    void fields(const std::vector<std::pair<QString, QString>>& rows);
    QJsonObject& document() { return document_; }
    // A message known in the language in force only: JSON gets it as it stands.
    void error(const QString& text)
    {
        error([&text] { return text; });
    }
    // A message made in the language in force for standard error, and again in English for
    // JSON.
    void error(const std::function<QString()>& make);
    // Writes a message to standard error at once: before what the command goes on to do.
    void warnNow(const QString& text);

    // Forgets what was collected so far: lines, document and errors.
    void discard();
    // Writes what was collected; the JSON document only when it holds anything or the command
    // failed (`status`, the exit status, not 0) with a message.
    void flush(int status = 0);
    // The JSON object of a failure alone, for one that comes before any command runs.
    static void printFailure(const QString& english, int status);

private:
    bool json_;
    bool compact_ = false;
    QStringList lines_;
    QStringList errors_;
    QStringList englishErrors_;
    QJsonObject document_;
};

// Exit statuses of every command.
namespace CliExit {
constexpr int kDone = 0;
constexpr int kDeviceFailed = 1;
constexpr int kUsage = 2;
constexpr int kNoReceiver = 3;
}  // namespace CliExit
