#ifndef TESSALY_CLI_SUGGESTIONS_H
#define TESSALY_CLI_SUGGESTIONS_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::cli {

// Up to three pair labels that text, which has no rule, most likely meant, closest first: the
// same pair in another letter case or spacing, or with a letter or two wrong ("Feet" for
// "Foots", "Millimeters" for "Milimeters"). Empty when nothing is close.
[[nodiscard]] std::vector<std::string> suggestPairs(std::string_view text);

// Up to three of the known texts closest to text, closest first, by the same measure.
[[nodiscard]] std::vector<std::string> closestOf(
    std::string_view text, std::span<const std::string> known);

} // namespace tessaly::cli

#endif
