#ifndef TESSALY_CORE_CATEGORY_H
#define TESSALY_CORE_CATEGORY_H

#include <array>

namespace tessaly {

// The kinds of quantity; Option1, Option2 and Option3 choose them in this order.
enum class Category { Length, Mass, Temperature };

inline constexpr std::array<Category, 3> allCategories{
    Category::Length, Category::Mass, Category::Temperature};

} // namespace tessaly

#endif
