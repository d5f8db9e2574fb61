#ifndef TESSALY_CORE_CONVERSION_TABLE_H
#define TESSALY_CORE_CONVERSION_TABLE_H

#include "core/conversion_rule.h"

#include <span>
#include <string_view>

namespace tessaly {

// All 92 rules, one for each ordered pair of distinct units within a category, in lookup order.
[[nodiscard]] std::span<const ConversionRule> ConversionTable();

// The first rule whose pair label equals text exactly (case, spaces and all), or nullptr. The
// selected category plays no part.
[[nodiscard]] const ConversionRule *FindRule(std::string_view text);

// The rule from one unit to another, by their catalogue names, or nullptr.
[[nodiscard]] const ConversionRule *FindRule(std::string_view source, std::string_view target);

} // namespace tessaly

#endif
