#include "window/app/DisplayCheck.h"

#include "window/i18n/DisplayTexts.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

const char* programName = "";
QtMessageHandler previousHandler = nullptr;
struct Held {
    QtMsgType type;
    QString text;
};
QList<Held>* held = nullptr;

// Qt's word for a platform plugin it looked for and did not find: its name, or empty.
QString MissingPlugin(const QString& message)
{
    static const QRegularExpression pattern(
        QStringLiteral("^Could not find the Qt platform plugin \"([^\"]{1,64})\""));
    return pattern.match(message).captured(1);
}

// The Debian package that brings a platform plugin.
QString PluginPackage(const QString& plugin)
{
    if (plugin.startsWith(QLatin1String("wayland")))
        return QStringLiteral("qt6-wayland");
    return QStringLiteral("libqt6gui6");
}

void Say(const QString& line)
{
    std::fprintf(stderr, "%s: %s\n", programName, line.toLocal8Bit().constData());
    std::fflush(stderr);
}

void Hold(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        // A plugin that is not there is the cause, whatever display was asked for.
        QString missing;
        for (qsizetype i = 0; held && i < held->size() && missing.isEmpty(); ++i)
            missing = MissingPlugin(held->at(i).text);
        if (missing.isEmpty())
            Say(QString::fromLocal8Bit(NoDisplayMessage()));
        else
            Say(Localized(DisplayText::kPluginMissing).arg(missing, PluginPackage(missing)));
        std::_Exit(1);
    }
    if (held)
        held->append({type, text});
}

}  // namespace

const char* NoDisplayMessage()
{
    static QByteArray message;
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (x11.isEmpty() && wayland.isEmpty())
        message = Localized(DisplayText::kNoDisplay).toLocal8Bit();
    else
        message = Localized(DisplayText::kCannotOpenDisplay)
                      .arg(QString::fromLocal8Bit(x11.isEmpty() ? wayland : x11))
                      .toLocal8Bit();
    return message.constData();
}

NoDisplayGuard::NoDisplayGuard(const char* program)
{
    programName = program;
    held = new QList<Held>;
    previousHandler = qInstallMessageHandler(Hold);
}

NoDisplayGuard::~NoDisplayGuard()
{
    qInstallMessageHandler(previousHandler);
    const QList<Held> messages = *held;
    delete held;
    held = nullptr;
    const QMessageLogContext context;
    for (const Held& message : messages) {
        // The display opened through another plugin (X11 under a Wayland session): one line
        // that names what is missing, instead of Qt's at every start.
        const QString missing = MissingPlugin(message.text);
        if (!missing.isEmpty())
            Say(Localized(DisplayText::kPluginMissingFellBack)
                    .arg(missing, PluginPackage(missing), QGuiApplication::platformName()));
        else if (previousHandler)
            previousHandler(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", message.text.toLocal8Bit().constData());
    }
}
