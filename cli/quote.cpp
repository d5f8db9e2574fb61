#include "cli/quote.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tessaly::cli {

namespace {

constexpr std::size_t shownBytes = 60;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
}

// The code point of one whole UTF-8 character, its lead byte's payload bits (7, 5, 4 or 3 of
// them) followed by 6 from each continuation byte.
std::uint32_t codePoint(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    std::uint32_t code = lead & (0xFFU >> (character.size() == 1 ? 1 : character.size() + 1));
    for (std::size_t k = 1; k < character.size(); ++k)
        code = (code << 6U) | (static_cast<unsigned char>(character[k]) & 0x3FU);
    return code;
}

// Characters that a terminal does not show as themselves: controls, which may move the cursor or
// clear the screen, and the invisible format characters and line separators, with which a
// typed "\ufeff1" or "1\u200b" would look exactly like "1".
bool isHidden(std::uint32_t code)
{
    constexpr std::array<std::pair<std::uint32_t, std::uint32_t>, 20> hidden{{
        {0x0000, 0x001F},
        {0x007F, 0x009F},
        {0x00AD, 0x00AD},
        {0x0600, 0x0605},
        {0x061C, 0x061C},
        {0x06DD, 0x06DD},
        {0x070F, 0x070F},
        {0x0890, 0x0891},
        {0x08E2, 0x08E2},
        {0x180E, 0x180E},
        {0x200B, 0x200F},
        {0x2028, 0x202E},
        {0x2060, 0x206F},
        {0xFEFF, 0xFEFF},
        {0xFFF9, 0xFFFB},
        {0x110BD, 0x110BD},
        {0x13430, 0x1343F},
        {0x1BCA0, 0x1BCA3},
        {0x1D173, 0x1D17A},
        {0xE0001, 0xE007F},
    }};
    return std::any_of(hidden.begin(), hidden.end(),
        [code](const auto &range) { return code >= range.first && code <= range.second; });
}

std::string hexDigits(std::uint32_t code, int digits)
{
    constexpr std::string_view hex = "0123456789abcdef";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (auto place = text.rbegin(); place != text.rend(); ++place, code >>= 4U)
        *place = hex[code & 0xFU];
    return text;
}

} // namespace

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0; // a byte that cannot lead a character
        if (lead < 0x80U)
            length = 1;
        else if (lead >= 0xC2U && lead < 0xE0U)
            length = 2;
        else if (lead >= 0xE0U && lead < 0xF0U)
            length = 3;
        else if (lead >= 0xF0U && lead < 0xF5U)
            length = 4;
        if (length == 0 || text.size() - i < length)
            return false;
        const std::string_view character = text.substr(i, length);
        if (!std::all_of(character.begin() + 1, character.end(),
                [](char byte) { return isContinuation(static_cast<unsigned char>(byte)); }))
            return false;
        const std::uint32_t code = codePoint(character);
        // Overlong forms, surrogates and code points past U+10FFFF.
        constexpr std::array<std::uint32_t, 5> smallest{0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || (code >= 0xD800U && code <= 0xDFFFU) || code > 0x10FFFFU)
            return false;
        i += length;
    }
    return true;
}

std::string quoteForMessage(std::string_view text, char quote)
{
    if (text.find('\0') != std::string_view::npos)
        return "(holds a NUL byte)";
    if (!isValidUtf8(text))
        return "(not valid UTF-8)";

    std::string shown(1, quote);
    std::size_t i = 0;
    while (i < text.size() && i < shownBytes) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        while (i + length < text.size()
            && isContinuation(static_cast<unsigned char>(text[i + length])))
            ++length;
        const std::uint32_t code = codePoint(text.substr(i, length));
        if (isHidden(code)) {
            shown += code < 0x80U ? "\\x" : code <= 0xFFFFU ? "\\u" : "\\U";
            shown += hexDigits(code, code < 0x80U ? 2 : code <= 0xFFFFU ? 4 : 8);
        } else {
            if (lead == static_cast<unsigned char>(quote) || lead == '\\')
                shown += '\\';
            shown.append(text.substr(i, length));
        }
        i += length;
    }
    shown += quote;
    if (i < text.size())
        shown += "...";
    return shown;
}

} // namespace tessaly::cli
