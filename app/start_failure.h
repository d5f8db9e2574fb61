#ifndef TESSALY_APP_START_FAILURE_H
#define TESSALY_APP_START_FAILURE_H

#include <string>
#include <string_view>

namespace tessaly::app {

// The one line that says why no window could be opened, on every system; the window code says
// only why.
[[nodiscard]] inline std::string startFailure(std::string_view why)
{
    return "tessaly: cannot open a window: " + std::string(why);
}

} // namespace tessaly::app

#endif
