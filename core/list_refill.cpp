#include "core/list_refill.h"

#include "core/main_window_view.h"
#include "core/pair_label.h"
#include "core/unit_catalogue.h"

namespace tessaly {

void ListRefill(const UnitCatalogue &catalogue, MainWindowView &view)
{
    for (Category category : allCategories) {
        if (!view.isOptionSelected(category))
            continue;
        view.combo1Clear();
        const auto &units = catalogue.units(category);
        for (const auto &source : units) {
            for (const auto &target : units) {
                if (&source != &target)
                    view.combo1AddItem(PairLabel(source, target));
            }
        }
    }
}

} // namespace tessaly
