#ifndef TESSALY_CORE_CATEGORY_H
#define TESSALY_CORE_CATEGORY_H

#include <array>
#include <string_view>

namespace tessaly {

// The kinds of quantity; Option1, Option2 and Option3 choose them in this order.
enum class Category { Length, Mass, Temperature };

inline constexpr std::array<Category, 3> allCategories{
    Category::Length, Category::Mass, Category::Temperature};

// The name its option button shows.
[[nodiscard]] constexpr std::string_view categoryName(Category category)
{
    switch (category) {
    case Category::Length:
        return "Length";
    case Category::Mass:
        return "Mass";
    case Category::Temperature:
        return "Temperature";
    }
    return {};
}

} // namespace tessaly

#endif
