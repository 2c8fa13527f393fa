#include "window/app/DisplayCheck.h"

#include <QByteArray>
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

void Hold(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: %s\n", programName, NoDisplayMessage());
        std::fflush(stderr);
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
        message = "no display (neither DISPLAY nor WAYLAND_DISPLAY is set): start the tool "
                  "in a desktop session";
    else
        message = "cannot open the display " + (x11.isEmpty() ? wayland : x11) +
                  ": start the tool in a desktop session";
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
        if (previousHandler)
            previousHandler(message.type, context, message.text);
        else
            std::fprintf(stderr, "%s\n", message.text.toLocal8Bit().constData());
    }
}
