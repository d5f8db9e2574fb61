#include "ui/window_system.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace tessaly {

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Only the one thread that builds the QApplication is running yet.
QList<HeldMessage> held;

QByteArray describe(const char *variable)
{
    const QByteArray value = qgetenv(variable);
    return QByteArray(variable) + (value.isEmpty() ? QByteArray(" unset") : "=" + value);
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.append({type, context.category, text});
        return;
    }
    std::fprintf(stderr,
        "tessaly: cannot open a window: no display could be reached (%s, %s); for the command "
        "line, see tessaly --help\n",
        describe("DISPLAY").constData(), describe("WAYLAND_DISPLAY").constData());
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

WindowSystemCheck::WindowSystemCheck()
    : m_previous(qInstallMessageHandler(holdOrGiveUp))
{ }

void WindowSystemCheck::passed()
{
    qInstallMessageHandler(m_previous);
    for (const HeldMessage &message : std::as_const(held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
}

WindowSystemCheck::~WindowSystemCheck()
{
    passed();
}

} // namespace tessaly
