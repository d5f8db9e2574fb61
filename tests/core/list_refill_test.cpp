#include "core/list_refill.h"

#include "doubles/fake_main_window_view.h"
#include "core/unit_catalogue.h"

#include <gtest/gtest.h>

namespace tessaly {
namespace {

class ListRefillTest : public ::testing::Test
{
protected:
    void SetUp() override { catalogue_.Load(); }

    std::vector<std::string> open(Category category)
    {
        view_.selected = category;
        ListRefill(catalogue_, view_);
        return view_.items;
    }

    UnitCatalogue catalogue_;
    FakeMainWindowView view_;
};

TEST_F(ListRefillTest, LengthRunsSourceMajorInCatalogueOrder)
{
    const auto items = open(Category::Length);
    ASSERT_EQ(items.size(), 56u);
    EXPECT_EQ(items.front(), "Centimeters to Foots");
    EXPECT_EQ(items[6], "Centimeters to Yards");
    EXPECT_EQ(items[7], "Foots to Centimeters");
    EXPECT_EQ(items[8], "Foots to Inches");
    EXPECT_EQ(items[54], "Yards to Miles");
    EXPECT_EQ(items.back(), "Yards to Milimeters");
}

TEST_F(ListRefillTest, MassAndTemperatureHaveTheirOwnPairs)
{
    const auto mass = open(Category::Mass);
    ASSERT_EQ(mass.size(), 30u);
    EXPECT_EQ(mass.front(), "Grams to Kilograms");
    EXPECT_EQ(mass.back(), "Tons to Pounds");

    EXPECT_EQ(open(Category::Temperature),
        (std::vector<std::string>{"Celsius to Fahrenheit", "Celsius to Kelvin",
            "Fahrenheit to Celsius", "Fahrenheit to Kelvin", "Kelvin to Celsius",
            "Kelvin to Fahrenheit"}));
}

TEST_F(ListRefillTest, OpeningAgainReplacesRatherThanAppends)
{
    const auto first = open(Category::Length);
    const auto second = open(Category::Length);
    EXPECT_EQ(first, second);

    const auto temperature = open(Category::Temperature);
    EXPECT_EQ(temperature.size(), 6u);
    EXPECT_EQ(temperature.front(), "Celsius to Fahrenheit");
}

TEST_F(ListRefillTest, NoUnitIsPairedWithItself)
{
    for (Category category : allCategories) {
        for (const auto &label : open(category)) {
            const auto separator = label.find(" to ");
            ASSERT_NE(separator, std::string::npos) << label;
            EXPECT_NE(label.substr(0, separator), label.substr(separator + 4)) << label;
        }
    }
}

} // namespace
} // namespace tessaly
