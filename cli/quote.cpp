#include "cli/quote.h"

#include <array>
#include <cstdint>

namespace tessaly::cli {

namespace {

constexpr std::size_t shownBytes = 60;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0U) == 0x80U;
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
        // The lead byte's payload bits: 7, 5, 4 or 3 of them.
        std::uint32_t code = lead & (0xFFU >> (length == 1 ? 1 : length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (!isContinuation(byte))
                return false;
            code = (code << 6U) | (byte & 0x3FU);
        }
        // Overlong forms, surrogates and code points past U+10FFFF.
        constexpr std::array<std::uint32_t, 5> smallest{0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || (code >= 0xD800U && code <= 0xDFFFU) || code > 0x10FFFFU)
            return false;
        i += length;
    }
    return true;
}

std::string quoteForMessage(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        return "(holds a NUL byte)";
    if (!isValidUtf8(text))
        return "(not valid UTF-8)";

    std::string shown = "\"";
    std::size_t i = 0;
    for (; i < text.size() && i < shownBytes; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20U || byte == 0x7FU) {
            constexpr std::string_view hex = "0123456789abcdef";
            shown += "\\x";
            shown += hex[byte >> 4U];
            shown += hex[byte & 0xFU];
        } else {
            if (byte == '"' || byte == '\\')
                shown += '\\';
            shown += static_cast<char>(byte);
        }
    }
    // Finish the character the cut fell inside.
    while (i < text.size() && isContinuation(static_cast<unsigned char>(text[i])))
        shown += text[i++];
    shown += '"';
    if (i < text.size())
        shown += "...";
    return shown;
}

} // namespace tessaly::cli
