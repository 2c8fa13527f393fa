#include "cli/CliOutput.h"

#include <QJsonDocument>

#include <cstdio>

void CliOutput::discard()
{
    lines_.clear();
    errors_.clear();
    document_ = QJsonObject();
}

void CliOutput::warnNow(const QString& text)
{
    std::fprintf(stderr, "karvelo-rf: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void CliOutput::flush()
{
    if (json_) {
        if (!document_.isEmpty())
            std::fputs(QJsonDocument(document_).toJson(QJsonDocument::Indented).constData(), stdout);
    } else {
        for (const QString& text : lines_)
            std::printf("%s\n", text.toLocal8Bit().constData());
    }
    for (const QString& text : errors_)
        std::fprintf(stderr, "karvelo-rf: %s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
    discard();
}
