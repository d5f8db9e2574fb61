#ifndef TESSALY_CORE_PAIR_LABEL_H
#define TESSALY_CORE_PAIR_LABEL_H

#include <string>
#include <string_view>

namespace tessaly {

// "Centimeters to Foots": the name under which a conversion is listed and looked up.
[[nodiscard]] std::string PairLabel(std::string_view source, std::string_view target);

// Whether text is exactly PairLabel(source, target), without building the label.
[[nodiscard]] bool isPairLabel(
    std::string_view text, std::string_view source, std::string_view target);

} // namespace tessaly

#endif
