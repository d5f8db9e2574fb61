#include "core/list_refill.h"

#include "core/main_window_view.h"
#include "core/pair_label.h"
#include "core/unit_catalogue.h"

#include <utility>

namespace tessaly {

namespace {

// Every label of a category, in list order, to one function.
template <typename Take>
void eachPairLabel(const UnitCatalogue &catalogue, Category category, Take take)
{
    const auto &units = catalogue.units(category);
    for (const auto &source : units) {
        for (const auto &target : units) {
            if (&source != &target)
                take(PairLabel(source, target));
        }
    }
}

} // namespace

std::vector<std::string> PairLabels(const UnitCatalogue &catalogue, Category category)
{
    std::vector<std::string> labels;
    eachPairLabel(
        catalogue, category, [&labels](std::string label) { labels.push_back(std::move(label)); });
    return labels;
}

void ListRefill(const UnitCatalogue &catalogue, MainWindowView &view)
{
    for (Category category : allCategories) {
        if (!view.isOptionSelected(category))
            continue;
        view.combo1Clear();
        eachPairLabel(
            catalogue, category, [&view](const std::string &label) { view.combo1AddItem(label); });
    }
}

} // namespace tessaly
