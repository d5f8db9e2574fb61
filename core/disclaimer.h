#ifndef TESSALY_CORE_DISCLAIMER_H
#define TESSALY_CORE_DISCLAIMER_H

#include <string_view>

namespace tessaly {

// What the user accepts before anything is converted, in the window or on the command line.
inline constexpr std::string_view disclaimerText
    = "This is Freeware, by accepting the disclaimer you agree that i am not responsible for any "
      "problems you may have using this freeware, including possible calculation mistakes.";

} // namespace tessaly

#endif
