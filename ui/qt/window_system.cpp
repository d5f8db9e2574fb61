#include "ui/qt/window_system.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <algorithm>
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
// The X display named by the window option -display, which wins over DISPLAY; empty for none.
QByteArray askedDisplay;
WindowSystemCheck::CannotOpen reportFailure = nullptr;

QByteArray describe(const char *variable)
{
    const QByteArray value = qgetenv(variable);
    return QByteArray(variable) + (value.isEmpty() ? QByteArray(" unset") : "=" + value);
}

bool heldAny(const char *part)
{
    return std::any_of(held.cbegin(), held.cend(),
        [part](const HeldMessage &message) { return message.text.contains(QLatin1String(part)); });
}

// Qt's own reason, on one line: the first thing its platform plugin loader said, and the plugins
// that there are.
QByteArray qtReason(const QString &fatal)
{
    const auto fromLoader = std::find_if(held.cbegin(), held.cend(),
        [](const HeldMessage &message) { return message.category == "qt.qpa.plugin"; });
    QString reason
        = fromLoader != held.cend() ? fromLoader->text : fatal.section(QLatin1Char('\n'), 0, 0);
    if (!reason.isEmpty())
        reason[0] = reason[0].toLower();
    const QString available = QStringLiteral("Available platform plugins are: ");
    const qsizetype at = fatal.indexOf(available);
    if (at >= 0) {
        QString plugins = fatal.mid(at + available.size()).section(QLatin1Char('\n'), 0, 0);
        if (plugins.endsWith(QLatin1Char('.')))
            plugins.chop(1);
        reason += QStringLiteral(" (the platform plugins there are: %1)").arg(plugins);
    }
    return reason.toLocal8Bit();
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.append({type, context.category, text});
        return;
    }
    // The platform plugins say so in their own words when the display itself was out of reach;
    // anything else (a plugin that does not exist, a broken one) is named as Qt names it.
    QByteArray reason;
    if (heldAny("could not connect to display") || heldAny("Failed to create wl_display")) {
        const QByteArray tried
            = askedDisplay.isEmpty() ? describe("DISPLAY") : "-display " + askedDisplay;
        reason = "no display could be reached (" + tried + ", " + describe("WAYLAND_DISPLAY")
            + "); for the command line, see tessaly --help";
    } else {
        reason = qtReason(text);
    }
    reportFailure(reason.constData());
    std::_Exit(1);
}

} // namespace

WindowSystemCheck::WindowSystemCheck(int argc, char *argv[], CannotOpen cannotOpen)
    : m_previous(qInstallMessageHandler(holdOrGiveUp))
{
    reportFailure = cannotOpen;
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-display") == 0)
            askedDisplay = argv[i + 1];
    }
}

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
