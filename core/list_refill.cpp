#include "core/list_refill.h"

#include "core/main_window_view.h"
#include "core/pair_label.h"
#include "core/unit_catalogue.h"

namespace tessaly {

std::vector<std::string> PairLabels(const UnitCatalogue &catalogue, Category category)
{
    const auto &units = catalogue.units(category);
    std::vector<std::string> labels;
    labels.reserve(units.size() * units.size());
    for (const auto &source : units) {
        for (const auto &target : units) {
            if (&source != &target)
                labels.push_back(PairLabel(source, target));
        }
    }
    return labels;
}

void ListRefill(const UnitCatalogue &catalogue, MainWindowView &view)
{
    for (Category category : allCategories) {
        if (!view.isOptionSelected(category))
            continue;
        view.combo1Clear();
        for (const std::string &label : PairLabels(catalogue, category))
            view.combo1AddItem(label);
    }
}

} // namespace tessaly
