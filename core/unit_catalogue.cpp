#include "core/unit_catalogue.h"

#include "core/unit_words.h"

namespace tessaly {

namespace {

std::size_t slot(Category category)
{
    return static_cast<std::size_t>(category);
}

} // namespace

void UnitCatalogue::Load()
{
    for (auto &names : m_units)
        names.clear();
    for (const UnitWords &unit : unitWordTable())
        m_units[slot(unit.category)].emplace_back(unit.unit);
}

const std::vector<std::string> &UnitCatalogue::units(Category category) const
{
    return m_units[slot(category)];
}

} // namespace tessaly
