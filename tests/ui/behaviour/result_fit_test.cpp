#include "ui/behaviour/result_fit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly {
namespace {

struct Case
{
    std::string text;
    double room;
    // Each letter's width at a size of points: points + bias, so that widths need not grow in
    // proportion to the size, as hinting makes them.
    double bias;
    ResultFit fit;
};

TEST(ResultFitTest, LargestSizeThatFitsThenABreakBeforeTheExponent)
{
    constexpr auto none = std::string::npos;
    const std::vector<Case> cases{
        {"", 1, 0, {12, none}},
        {"274", 100, 0, {12, none}},
        {"1.133980925", 132, 0, {12, none}},
        {"1.133980925", 120, 0, {10.5, none}},
        // The first guess too large, then too small: each is stepped to the largest that fits.
        {"1.133980925", 132, 3, {9, none}},
        {"1.133980925", 88, -3, {11, none}},
        {"1.23456789012346E+17", 120, 0, {7.5, 16}},
        {"-1.79769313486231E+308", 160, 0, {7.5, 17}},
        {"-123456789012345", 100, 0, {7.5, none}},
        {"-Infinity", 40, 0, {7.5, none}},
    };
    for (const Case &c : cases) {
        const ResultFit fit = fitResult(c.text, c.room, [&](std::string_view text, double points) {
            return static_cast<double>(text.size()) * (points + c.bias);
        });
        EXPECT_EQ(fit.points, c.fit.points) << c.text << " in " << c.room;
        EXPECT_EQ(fit.breakBefore, c.fit.breakBefore) << c.text << " in " << c.room;
    }
}

} // namespace
} // namespace tessaly
