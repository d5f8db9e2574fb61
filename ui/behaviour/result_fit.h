#ifndef TESSALY_UI_BEHAVIOUR_RESULT_FIT_H
#define TESSALY_UI_BEHAVIOUR_RESULT_FIT_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tessaly {

// How the result label shows a result: in the largest size, in points, that fits the text on one
// line, down to the window's own size; only past that is the drawing broken over two lines,
// before the exponent and never inside the digits. The text itself always stays whole.
struct ResultFit
{
    double points;
    // Where the drawing starts its second line, or npos for one line.
    std::size_t breakBefore = std::string::npos;
};

// A text's width, in the label's own units, in the result's face at the given size.
using MeasureText = std::function<double(std::string_view text, double points)>;

[[nodiscard]] ResultFit fitResult(std::string_view text, double room, const MeasureText &width);

// The one place in a result where its drawing may break: before the exponent's "E"; npos for a
// text without one.
[[nodiscard]] std::size_t resultBreak(std::string_view text);

} // namespace tessaly

#endif
