#ifndef TESSALY_UI_BEHAVIOUR_START_FAILURE_H
#define TESSALY_UI_BEHAVIOUR_START_FAILURE_H

#include <string>
#include <string_view>

namespace tessaly {

// The one line that says why no window could be opened, on every system.
[[nodiscard]] inline std::string startFailure(std::string_view why)
{
    return "tessaly: cannot open a window: " + std::string(why);
}

} // namespace tessaly

#endif
