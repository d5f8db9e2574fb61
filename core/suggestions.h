#ifndef TESSALY_CORE_SUGGESTIONS_H
#define TESSALY_CORE_SUGGESTIONS_H

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// Up to three pair labels that text, which has no rule, most likely meant: the
// same pair in another letter case or spacing, or with a letter or two wrong ("Feet" for
// "Foots", "Millimeters" for "Milimeters"). Empty when nothing is close.
[[nodiscard]] std::vector<std::string_view> suggestPairs(std::string_view text);

// Up to three of the known texts closest to text, by the same measure, all equally close, in
// their order in known.
[[nodiscard]] std::vector<std::string_view> closestOf(
    std::string_view text, std::span<const std::string_view> known);

// "a, b or c", each in quotes where quoted.
[[nodiscard]] std::string oneOf(std::span<const std::string_view> items, bool quoted);

// "; did you mean "a" or "b"?", or nothing where nothing is offered.
[[nodiscard]] std::string didYouMean(std::span<const std::string_view> offered);

} // namespace tessaly

#endif
