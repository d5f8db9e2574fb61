#ifndef TESSALY_CORE_UNIT_WORDS_H
#define TESSALY_CORE_UNIT_WORDS_H

#include "core/category.h"

#include <array>
#include <span>
#include <string_view>

namespace tessaly {

// The words a person may write for one unit. Tessaly knows few enough units to read every word
// one way: a word that could mean two things is no unit's (see refusedWords).
struct UnitWords
{
    // The catalogue's name: "Foots", "Milimeters".
    std::string_view unit;
    Category category;
    // Read in their own case alone, so that "Mg" (the megagram) is never a milligram nor "M" a
    // meter. Unused places are empty.
    std::array<std::string_view, 6> symbols;
    // Read in any letter case; each form is written out, in lower case, so that no rule of
    // English can make a word that means something else ("ton"). A name of two words takes two
    // words of the question.
    std::array<std::string_view, 6> names;
};

// Every unit, category by category, each in the catalogue's order.
[[nodiscard]] std::span<const UnitWords> unitWordTable();

// Every symbol and every name of one word, in the table's order: what a word that reads as no
// unit may have meant, and what completion offers.
[[nodiscard]] std::span<const std::string_view> singleUnitWords();

// Words that look like units but are none of Tessaly's, and why, for a refusal that says so.
struct RefusedWords
{
    std::array<std::string_view, 5> names;
    std::string_view why;
};

[[nodiscard]] std::span<const RefusedWords> refusedWordTable();

} // namespace tessaly

#endif
