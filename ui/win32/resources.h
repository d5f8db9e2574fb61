#ifndef TESSALY_UI_WIN32_RESOURCES_H
#define TESSALY_UI_WIN32_RESOURCES_H

// Ids of what the program's resource script puts into tessaly.exe; read by windres as well.
#define TESSALY_ICON_RESOURCE 1

#endif
