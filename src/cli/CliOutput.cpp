#include "cli/CliOutput.h"

#include "protocol/i18n/Lang.h"

#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

int DisplayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                         (c >= 0xFFE0 && c <= 0xFFE6)
                     ? 2
                     : 1;
    return width;
}

void CliOutput::fields(const std::vector<std::pair<QString, QString>>& rows)
{
    int column = 0;
    for (const auto& row : rows)
        column = std::max(column, DisplayWidth(row.first) + 2);
    for (const auto& [label, value] : rows)
        line(label + QString(column - DisplayWidth(label), QLatin1Char(' ')) + value);
}

void CliOutput::error(const std::function<QString()>& make)
{
    errors_ << make();
    const TLanguateKind shown = CurrentLanguage;
    CurrentLanguage = lkEng;
    englishErrors_ << make();
    CurrentLanguage = shown;
}

void CliOutput::discard()
{
    lines_.clear();
    errors_.clear();
    englishErrors_.clear();
    document_ = QJsonObject();
}

void CliOutput::warnNow(const QString& text)
{
    std::fprintf(stderr, "karvelo-rf: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void CliOutput::flush(int status)
{
    if (json_ && status != 0 && !englishErrors_.isEmpty()) {
        document_.insert(QStringLiteral("error"), englishErrors_.join(QStringLiteral("; ")));
        document_.insert(QStringLiteral("exitStatus"), status);
    }
    if (json_) {
        if (!document_.isEmpty()) {
            document_.insert(QStringLiteral("apiVersion"), kJsonApiVersion);
            const QByteArray text = QJsonDocument(document_).toJson(
                compact_ ? QJsonDocument::Compact : QJsonDocument::Indented);
            std::fputs(text.constData(), stdout);
            if (compact_)
                std::fputc('\n', stdout);
        }
    } else {
        for (const QString& text : lines_)
            std::printf("%s\n", text.toLocal8Bit().constData());
    }
    for (const QString& text : errors_)
        std::fprintf(stderr, "karvelo-rf: %s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
    discard();
}

void CliOutput::printFailure(const QString& english, int status)
{
    CliOutput out(true);
    out.englishErrors_ << english;
    out.flush(status);
}
