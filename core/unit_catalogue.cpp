#include "core/unit_catalogue.h"

namespace tessaly {

namespace {

std::size_t slot(Category category)
{
    return static_cast<std::size_t>(category);
}

} // namespace

void UnitCatalogue::Load()
{
    m_units[slot(Category::Mass)]
        = {"Grams", "Kilograms", "Milligrams", "Ounces", "Pounds", "Tons"};
    m_units[slot(Category::Length)] = {
        "Centimeters", "Foots", "Inches", "Kilometers", "Meters", "Miles", "Milimeters", "Yards"};
    m_units[slot(Category::Temperature)] = {"Celsius", "Fahrenheit", "Kelvin"};
}

const std::vector<std::string> &UnitCatalogue::units(Category category) const
{
    return m_units[slot(category)];
}

} // namespace tessaly
