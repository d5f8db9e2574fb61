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
