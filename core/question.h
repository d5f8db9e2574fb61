#ifndef TESSALY_CORE_QUESTION_H
#define TESSALY_CORE_QUESTION_H

#include "core/conversion_rule.h"
#include "core/unit_words.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

// A conversion asked in a person's own words: "2.5 lb to kg", "-40°F in °C", "ft m".
struct Question
{
    // The rule that answers it, from `from` to `to`; nullptr where the question was refused.
    const ConversionRule *rule = nullptr;
    const UnitWords *from = nullptr;
    const UnitWords *to = nullptr;
    // The value as typed, a view into the question: absent where the question names only the
    // units ("lb to kg"), and not always a number ("1,5 lb to kg"), which converting then says,
    // as it says for a value given any other way.
    std::optional<std::string_view> value;
    // Why a question was refused, as a message shows it: the word that could not be read, and
    // what Tessaly offers instead. Empty where the question was read.
    std::string refusal;
};

// Reads VALUE UNIT [SEPARATOR] UNIT, or UNIT [SEPARATOR] UNIT for the units alone. The separator
// is "to", "in", "into" or "as" in any case, "->", "→" or "=", or nothing; the value is a
// number as parseNumber reads it, alone or written against its unit ("2.5lb", "5'"). "in" right
// after the value is the inch, and after a unit the separator, unless nothing follows it. Every
// word is read one way or the question is refused: it never guesses.
[[nodiscard]] Question readQuestion(std::string_view text);

} // namespace tessaly

#endif
