#include "core/list_refill.h"

#include "core/main_window_view.h"
#include "core/pair_label.h"
#include "core/unit_catalogue.h"

namespace tessaly {

namespace {

// Every ordered pair of distinct units of a category, in list order, to one function.
template <typename Take> void eachPair(const UnitCatalogue &catalogue, Category category, Take take)
{
    const auto &units = catalogue.units(category);
    for (const auto &source : units) {
        for (const auto &target : units) {
            if (&source != &target)
                take(source, target);
        }
    }
}

} // namespace

std::vector<std::string> PairLabels(const UnitCatalogue &catalogue, Category category)
{
    std::vector<std::string> labels;
    eachPair(catalogue, category, [&labels](const std::string &source, const std::string &target) {
        labels.push_back(PairLabel(source, target));
    });
    return labels;
}

std::optional<std::size_t> PairIndex(
    const UnitCatalogue &catalogue, Category category, std::string_view text)
{
    std::optional<std::size_t> found;
    std::size_t at = 0;
    eachPair(catalogue, category, [&](const std::string &source, const std::string &target) {
        if (!found && isPairLabel(text, source, target))
            found = at;
        ++at;
    });
    return found;
}

std::optional<Category> ListRefill(const UnitCatalogue &catalogue, MainWindowView &view)
{
    std::optional<Category> refilled;
    for (Category category : allCategories) {
        if (!view.isOptionSelected(category))
            continue;
        view.combo1Clear();
        eachPair(
            catalogue, category, [&view](const std::string &source, const std::string &target) {
                view.combo1AddItem(PairLabel(source, target));
            });
        refilled = category;
    }
    return refilled;
}

} // namespace tessaly
