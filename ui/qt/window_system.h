#ifndef TESSALY_UI_QT_WINDOW_SYSTEM_H
#define TESSALY_UI_QT_WINDOW_SYSTEM_H

#include <QtGlobal>

namespace tessaly {

// Watches the QApplication's construction. Where no window system can be reached (no display
// set, or one that answers nobody), or where the platform plugin asked for does not exist, Qt
// would abort with a core dump and advice to reinstall; the program instead says on one line
// what is wrong (no display, or Qt's own reason) and exits with status 1. Qt's warnings from the
// attempt are held back, and passed on only if it succeeds.
class WindowSystemCheck
{
public:
    // How the program says that no window can be opened, given only why; it must not return.
    using CannotOpen = void (*)(const char *why);

    // The arguments the QApplication is given, for the display they ask for.
    WindowSystemCheck(int argc, char *argv[], CannotOpen cannotOpen);
    // Call once the QApplication exists.
    void passed();

    WindowSystemCheck(const WindowSystemCheck &) = delete;
    WindowSystemCheck &operator=(const WindowSystemCheck &) = delete;
    ~WindowSystemCheck();

private:
    QtMessageHandler m_previous;
};

} // namespace tessaly

#endif
