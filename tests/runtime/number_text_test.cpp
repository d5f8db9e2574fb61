#include "runtime/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace tessaly {
namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(FormatNumberTest, PlainWithinTheExponentRange)
{
    EXPECT_EQ(formatNumber(2.5 * 0.45359237), "1.133980925");
    EXPECT_EQ(formatNumber(5280 * 0.0001894), "1.000032");
    EXPECT_EQ(formatNumber((0 - 32) * (5.0 / 9.0)), "-17.7777777777778");
    EXPECT_EQ(formatNumber(0.00001), "0.00001");
    EXPECT_EQ(formatNumber(-0.0000123456789012345), "-0.0000123456789012345");
    EXPECT_EQ(formatNumber(123456789012345), "123456789012345");
    EXPECT_EQ(formatNumber(100000000000000), "100000000000000");
    EXPECT_EQ(formatNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(formatNumber(-273), "-273");
    EXPECT_EQ(formatNumber(1.5), "1.5");
}

TEST(FormatNumberTest, ScientificOutsideTheRange)
{
    EXPECT_EQ(formatNumber(0.0000062137), "6.2137E-06");
    EXPECT_EQ(formatNumber(0.000009999999999999), "9.999999999999E-06");
    EXPECT_EQ(formatNumber(1e-9), "1E-09");
    EXPECT_EQ(formatNumber(1e15), "1E+15");
    EXPECT_EQ(formatNumber(1234567890123456), "1.23456789012346E+15");
    EXPECT_EQ(formatNumber(1e300), "1E+300");
    EXPECT_EQ(formatNumber(-2.5e-100), "-2.5E-100");
    // Rounding to 15 digits carries into a new exponent, which decides the notation.
    EXPECT_EQ(formatNumber(999999999999999.75), "1E+15");
    EXPECT_EQ(formatNumber(9.9999999999999999e-6), "0.00001");
}

TEST(FormatNumberTest, SpecialValuesAndTheLongestTexts)
{
    EXPECT_EQ(formatNumber(0.0), "0");
    EXPECT_EQ(formatNumber(-0.0), "0");
    EXPECT_EQ(formatNumber(infinity), "Infinity");
    EXPECT_EQ(formatNumber(-infinity), "-Infinity");
    EXPECT_EQ(formatNumber(std::nan("")), "NaN");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");

    // Rounding the largest doubles up would name a number beyond the range.
    const std::string longest = formatNumber(-std::numeric_limits<double>::max());
    EXPECT_EQ(longest, "-1.79769313486231E+308");
    EXPECT_EQ(formatNumber(1.797693134862315e308), "1.79769313486231E+308");
    EXPECT_EQ(formatNumber(1.79769313486231e308), "1.79769313486231E+308");
    EXPECT_EQ(formatNumber(1.79769313486230e308), "1.7976931348623E+308");
    EXPECT_EQ(longest.size(), maxNumberTextLength);
    EXPECT_LE(formatNumber(-0.0000123456789012345).size(), maxNumberTextLength);
}

TEST(ParseNumberTest, AcceptsDecimalNumbers)
{
    EXPECT_EQ(parseNumber("2.5"), 2.5);
    EXPECT_EQ(parseNumber(" \t2.5\t "), 2.5);
    EXPECT_EQ(parseNumber("+7"), 7.0);
    EXPECT_EQ(parseNumber("-7"), -7.0);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("5."), 5.0);
    EXPECT_EQ(parseNumber("007"), 7.0);
    EXPECT_EQ(parseNumber("1e3"), 1000.0);
    EXPECT_EQ(parseNumber("1E+3"), 1000.0);
    EXPECT_EQ(parseNumber("-2.5e-3"), -0.0025);
    EXPECT_EQ(parseNumber("0e999999999999999999999"), 0.0);

    const auto negativeZero = parseNumber("-0");
    ASSERT_TRUE(negativeZero);
    EXPECT_TRUE(std::signbit(*negativeZero));
}

TEST(ParseNumberTest, RejectsEverythingElse)
{
    for (const char *text :
        {"", " ", "\t\t", "abc", "12abc", "1,5", "1 000", "0x10", "inf", "-inf", "nan", "Infinity",
            "-", "+", ".", "-.", "e5", "1e", "1e+", "1.2.3", "--1", "+-1", "1e5.5", "1e 5", "12\n",
            "\n12", "\v1", "\xef\xbc\x91\xef\xbc\x92", "\xc2\xa0\x31", "1\xc2\xa0"}) {
        EXPECT_FALSE(parseNumber(text)) << '"' << text << '"';
    }
    EXPECT_FALSE(parseNumber(std::string_view("1\0", 2)));
}

TEST(ParseNumberTest, RoundsCorrectlyAndSaturatesAtTheRangeEnds)
{
    EXPECT_EQ(parseNumber("0.1"), 0.1);
    EXPECT_EQ(parseNumber("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(parseNumber("0.1000000000000000055511151231257827021181583404541015625"), 0.1);
    EXPECT_EQ(parseNumber(std::string(400, '1') + "e-399"), 1.1111111111111111);
    EXPECT_EQ(parseNumber("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(parseNumber("4.9e-324"), std::numeric_limits<double>::denorm_min());

    EXPECT_EQ(parseNumber("1e309"), infinity);
    EXPECT_EQ(parseNumber("-1.8e308"), -infinity);
    EXPECT_EQ(parseNumber("1e99999999999999999999"), infinity);
    EXPECT_EQ(parseNumber("0.0001e312"), 1e308);
    EXPECT_EQ(parseNumber(std::string(400, '9')), infinity);
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_EQ(parseNumber("100000e-330"), 0.0);
    EXPECT_EQ(parseNumber("0." + std::string(400, '0') + "1"), 0.0);
    const auto tinyNegative = parseNumber("-1e-99999999999999999999");
    ASSERT_TRUE(tinyNegative);
    EXPECT_EQ(*tinyNegative, 0.0);
    EXPECT_TRUE(std::signbit(*tinyNegative));
}

TEST(ParseNumberTest, ReadsBackWhatFormatWrites)
{
    for (double value : {1.133980925, -17.7777777777778, 6.2137e-6, 1.23456789012346e15,
             std::numeric_limits<double>::max(), -1.7976931348623e308, 4.94065645841247e-324,
             123456789012345.0}) {
        const auto back = parseNumber(formatNumber(value));
        ASSERT_TRUE(back) << formatNumber(value);
        EXPECT_EQ(formatNumber(*back), formatNumber(value));
    }
}

#if defined(__cpp_lib_to_chars)
// The C library's forms give the C++ library's answers, bit for bit and letter for letter, so
// that a platform that has only the former reads and writes numbers as every other does.
TEST(DecimalTest, TheCLibrarysFormsAgreeWithTheCppLibrarys)
{
    const auto bits = [](double value) { return std::bit_cast<std::uint64_t>(value); };
    for (const char *digits : {"0", "2.5", ".5", "5.", "0.1", "9007199254740993",
             "1.7976931348623157e308", "1.7976931348623158e308", "1e309", "4.9e-324",
             "2.4703282292062327e-324", "2.4703282292062328e-324", "1e-400", "100000e-330",
             "0.0001e312", "1e99999999999999999999", "123456789012345678901234567890e-20"}) {
        EXPECT_EQ(bits(decimal::readC(digits)), bits(decimal::readStd(digits))) << digits;
    }
    std::mt19937_64 random(1);
    for (int i = 0; i < 50000; ++i) {
        const double value = std::fabs(std::bit_cast<double>(random()));
        if (!std::isfinite(value))
            continue;
        const std::string written(decimal::scientificStd(value).text());
        ASSERT_EQ(decimal::scientificC(value).text(), written) << value;
        ASSERT_EQ(bits(decimal::readC(written)), bits(decimal::readStd(written))) << written;
        const double small = std::fmod(value, 0x1p52);
        const int places = i % 18;
        ASSERT_EQ(decimal::fixedC(small, places).text(), decimal::fixedStd(small, places).text())
            << small;
    }
    for (const double value :
        {0.0, std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
            999999999999999.5, 100000000000000.5, 9.9999999999999999e-6}) {
        EXPECT_EQ(decimal::scientificC(value).text(), decimal::scientificStd(value).text())
            << value;
    }
}
#endif

} // namespace
} // namespace tessaly
