#ifndef TESSALY_CLI_SUGGESTIONS_H
#define TESSALY_CLI_SUGGESTIONS_H

#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cli {

// Up to three pair labels that text, which has no rule, most likely meant, closest first: the
// same pair in another letter case or spacing, or with a letter or two wrong ("Feet" for
// "Foots", "Millimeters" for "Milimeters"). Empty when nothing is close.
[[nodiscard]] std::vector<std::string> suggestPairs(std::string_view text);

} // namespace tessaly::cli

#endif
