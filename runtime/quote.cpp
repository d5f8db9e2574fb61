#include "runtime/quote.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace tessaly {

namespace {

constexpr std::size_t shownBytes = 60;

// Characters that a terminal does not show as themselves: controls, which may move the cursor or
// clear the screen, and the invisible format characters and separators, with which a typed
// "\ufeff1" or "1\u200b" would look exactly like "1".
bool isHidden(std::uint32_t code)
{
    constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 9> hidden{{
        {0x0000, 0x001F},
        {0x007F, 0x009F},
        {0x00AD, 0x00AD},
        {0x200B, 0x200F},
        {0x2028, 0x202E},
        {0x2060, 0x206F},
        {0xFEFF, 0xFEFF},
        {0xFFF9, 0xFFFB},
        {0xE0001, 0xE007F},
    }};
    return std::any_of(hidden.begin(), hidden.end(),
        [code](const auto &range) { return code >= range.first && code <= range.second; });
}

// The length of the UTF-8 character at the start of text and its code point; a length of 0 where
// no valid character starts there (a stray byte, an overlong form, a surrogate, past U+10FFFF).
std::pair<std::size_t, std::uint32_t> decode(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80U ? 1
        : lead >= 0xC2U && lead < 0xE0U     ? 2
        : lead >= 0xE0U && lead < 0xF0U     ? 3
        : lead >= 0xF0U && lead < 0xF5U     ? 4
                                            : 0;
    if (length == 0 || text.size() < length)
        return {0, 0};
    std::uint32_t code = lead & (0xFFU >> (length == 1 ? 1 : length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if ((byte & 0xC0U) != 0x80U)
            return {0, 0};
        code = (code << 6U) | (byte & 0x3FU);
    }
    constexpr std::array<std::uint32_t, 5> smallest{0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || (code >= 0xD800U && code <= 0xDFFFU) || code > 0x10FFFFU)
        return {0, 0};
    return {length, code};
}

} // namespace

std::string quoteForMessage(std::string_view text, char quote)
{
    if (text.find('\0') != std::string_view::npos)
        return "(holds a NUL byte)";
    std::string shown(1, quote);
    bool cut = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto [length, code] = decode(text.substr(i));
        if (length == 0)
            return "(not valid UTF-8)";
        if (i < shownBytes) {
            constexpr std::string_view hex = "0123456789abcdef";
            if (isHidden(code)) {
                const int digits = code < 0x80U ? 2 : code <= 0xFFFFU ? 4 : 8;
                shown += code < 0x80U ? "\\x" : code <= 0xFFFFU ? "\\u" : "\\U";
                for (int digit = digits - 1; digit >= 0; --digit)
                    shown += hex[(code >> (4U * static_cast<unsigned>(digit))) & 0xFU];
            } else {
                if (text[i] == quote || text[i] == '\\')
                    shown += '\\';
                shown.append(text.substr(i, length));
            }
        } else {
            cut = true;
        }
        i += length;
    }
    shown += quote;
    return cut ? shown + "..." : shown;
}

} // namespace tessaly
