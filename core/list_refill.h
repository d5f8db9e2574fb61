#ifndef TESSALY_CORE_LIST_REFILL_H
#define TESSALY_CORE_LIST_REFILL_H

#include "core/category.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

class MainWindowView;
class UnitCatalogue;

// Every ordered pair of distinct units of one category, source-major in catalogue order: 56
// length, 30 mass or 6 temperature labels.
[[nodiscard]] std::vector<std::string> PairLabels(
    const UnitCatalogue &catalogue, Category category);

// Where text stands in that list, exactly as typed (letter case and all), or nullopt; builds no
// label.
[[nodiscard]] std::optional<std::size_t> PairIndex(
    const UnitCatalogue &catalogue, Category category, std::string_view text);

// Replaces Combo1's list with the pair labels of the selected category, and says which category
// that was. Run each time the list opens. Leaves the list alone when no category is selected.
std::optional<Category> ListRefill(const UnitCatalogue &catalogue, MainWindowView &view);

} // namespace tessaly

#endif
