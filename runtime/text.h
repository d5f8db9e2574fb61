#ifndef TESSALY_RUNTIME_TEXT_H
#define TESSALY_RUNTIME_TEXT_H

#include <string>
#include <string_view>

namespace tessaly {

// Texts are UTF-8. Two texts are the same only when they match byte for byte: no trimming,
// no case folding, no Unicode normalisation.
[[nodiscard]] inline bool sameText(std::string_view left, std::string_view right)
{
    return left == right;
}

// Letter case folded for the ASCII letters alone, for comparisons where case is forgiven (a
// category named on the command line, a near miss of a pair label).
[[nodiscard]] constexpr char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Reserves once, so building a pair label costs one allocation.
[[nodiscard]] inline std::string joinText(std::string_view left, std::string_view right)
{
    std::string joined;
    joined.reserve(left.size() + right.size());
    joined.append(left).append(right);
    return joined;
}

} // namespace tessaly

#endif
