#ifndef TESSALY_CORE_UNIT_CATALOGUE_H
#define TESSALY_CORE_UNIT_CATALOGUE_H

#include "core/category.h"

#include <array>
#include <string>
#include <vector>

namespace tessaly {

// The unit names of each category, in the alphabetical order the pair list follows. The names are
// shown to the user exactly as they stand ("Foots", "Milimeters").
class UnitCatalogue
{
public:
    // Fills the lists; the window does this once, before it first shows.
    void Load();

    // The names of one category; empty before Load().
    [[nodiscard]] const std::vector<std::string> &units(Category category) const;

private:
    std::array<std::vector<std::string>, 3> m_units;
};

} // namespace tessaly

#endif
