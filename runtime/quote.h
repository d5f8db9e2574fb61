#ifndef TESSALY_RUNTIME_QUOTE_H
#define TESSALY_RUNTIME_QUOTE_H

#include <string>
#include <string_view>

namespace tessaly {

// A user's text as an error message can show it on a terminal: in quotes, control and invisible
// format characters escaped, cut short past a few dozen characters. Text that cannot be shown is
// described instead: "(holds a NUL byte)", "(not valid UTF-8)".
[[nodiscard]] std::string quoteForMessage(std::string_view text, char quote = '"');

} // namespace tessaly

#endif
