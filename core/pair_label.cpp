#include "core/pair_label.h"

#include "runtime/text.h"

namespace tessaly {

namespace {

constexpr std::string_view separator = " to ";

} // namespace

std::string PairLabel(std::string_view source, std::string_view target)
{
    return joinText(joinText(source, separator), target);
}

bool isPairLabel(std::string_view text, std::string_view source, std::string_view target)
{
    // Piecewise, so a lookup over the whole table allocates nothing.
    return text.size() == source.size() + separator.size() + target.size()
        && sameText(text.substr(0, source.size()), source)
        && sameText(text.substr(source.size(), separator.size()), separator)
        && sameText(text.substr(source.size() + separator.size()), target);
}

} // namespace tessaly
