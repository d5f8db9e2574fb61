#ifndef TESSALY_UI_QT_APPLICATION_H
#define TESSALY_UI_QT_APPLICATION_H

namespace tessaly {

// Gives the running application its name, version and window icon, and its result the way
// screen readers see it. Call once, after the QApplication exists and before the first window is
// made.
void describeApplication();

} // namespace tessaly

#endif
