#include "runtime/quote.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tessaly {
namespace {

TEST(QuoteTest, ShowsWhatATerminalCanShowAndDescribesTheRest)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"abc", R"("abc")"},
        {"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", "\"\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"a\"b\\c\td\x7f", R"("a\"b\\c\x09d\x7f")"},
        {"a\xc2\x85\xe2\x80\x8b\xf3\xa0\x80\x81", R"("a\u0085\u200b\U000e0001")"},
        {std::string(70, 'x'), '"' + std::string(60, 'x') + "\"..."},
        {std::string(59, 'x') + "\xc3\xa9z", '"' + std::string(59, 'x') + "\xc3\xa9\"..."},
        {std::string(59, 'x') + "\xc3\xa9", '"' + std::string(59, 'x') + "\xc3\xa9\""},
        {std::string("1\0", 2), "(holds a NUL byte)"},
        {"\xc0\xaf", "(not valid UTF-8)"},         // overlong "/"
        {"\xed\xa0\x80", "(not valid UTF-8)"},     // a surrogate
        {"\xf4\x90\x80\x80", "(not valid UTF-8)"}, // past U+10FFFF
        {"\xe2\x82", "(not valid UTF-8)"},         // cut short
        {std::string(70, 'x') + "\x80", "(not valid UTF-8)"},
    };
    for (const auto &[text, shown] : cases)
        EXPECT_EQ(quoteForMessage(text), shown);
}

} // namespace
} // namespace tessaly
