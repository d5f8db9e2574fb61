#include "core/question.h"

#include "core/conversion_table.h"
#include "core/suggestions.h"
#include "runtime/number_text.h"
#include "runtime/quote.h"
#include "runtime/text.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace tessaly {

namespace {

constexpr std::array<std::string_view, 4> separatorWords{"to", "in", "into", "as"};
// Words of their own wherever they stand, so "2.5lb->kg" reads as "2.5lb -> kg".
constexpr std::array<std::string_view, 3> separatorSigns{"->", "\u2192", "="};

// A question that reads has at most six words ("5 metric tons to metric tons"); eight are
// enough to name the first word too many.
constexpr std::size_t mostWords = 8;

using Words = std::span<const std::string_view>;

struct Split
{
    std::array<std::string_view, mostWords> words{};
    std::size_t count = 0;

    [[nodiscard]] Words view() const { return {words.data(), count}; }
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

Split splitWords(std::string_view text)
{
    Split split;
    std::size_t start = 0;
    const auto take = [&](std::size_t end) {
        if (end > start && split.count < mostWords)
            split.words[split.count++] = text.substr(start, end - start);
        start = end;
    };
    for (std::size_t pos = 0; pos < text.size() && split.count < mostWords;) {
        const auto *sign = std::find_if(separatorSigns.begin(), separatorSigns.end(),
            [&](std::string_view s) { return text.substr(pos).starts_with(s); });
        if (sign != separatorSigns.end()) {
            take(pos);
            pos += sign->size();
            take(pos);
        } else if (isBlank(text[pos])) {
            take(pos);
            start = ++pos;
        } else {
            ++pos;
        }
    }
    take(text.size());
    return split;
}

// lower is written in lower case.
bool sameAnyCase(std::string_view typed, std::string_view lower)
{
    return std::equal(typed.begin(), typed.end(), lower.begin(), lower.end(),
        [](char a, char b) { return lowerAscii(a) == b; });
}

bool isSeparator(std::string_view word)
{
    return std::any_of(separatorWords.begin(), separatorWords.end(), [word](std::string_view s) {
        return sameAnyCase(word, s);
    }) || std::find(separatorSigns.begin(), separatorSigns.end(), word) != separatorSigns.end();
}

// How many of the words a name of one or more words takes from their start, or 0.
std::size_t nameLength(Words words, std::string_view name)
{
    for (std::size_t taken = 0;; name.remove_prefix(name.find(' ') + 1)) {
        const std::size_t space = name.find(' ');
        if (taken == words.size() || !sameAnyCase(words[taken], name.substr(0, space)))
            return 0;
        ++taken;
        if (space == std::string_view::npos)
            return taken;
    }
}

// What the words at the start of words name: a unit, a refused word, or nothing (length 0).
struct Match
{
    const UnitWords *unit = nullptr;
    const RefusedWords *refused = nullptr;
    std::size_t length = 0;
};

Match matchUnit(Words words)
{
    if (words.empty())
        return {};
    const auto taking = [&](const auto &names) {
        std::size_t longest = 0;
        for (const std::string_view name : names)
            longest = std::max(longest, name.empty() ? 0 : nameLength(words, name));
        return longest;
    };
    for (const RefusedWords &refused : refusedWordTable()) {
        if (const std::size_t length = taking(refused.names))
            return {nullptr, &refused, length};
    }
    for (const UnitWords &unit : unitWordTable()) {
        if (std::find(unit.symbols.begin(), unit.symbols.end(), words.front())
            != unit.symbols.end())
            return {&unit, nullptr, 1};
        if (const std::size_t length = taking(unit.names))
            return {&unit, nullptr, length};
    }
    return {};
}

// The text from the first of words to the last, as it was typed.
std::string_view written(Words words)
{
    return {words.front().data(),
        static_cast<std::size_t>(words.back().data() + words.back().size() - words.front().data())};
}

std::string quoted(std::string_view word)
{
    return quoteForMessage(word);
}

// What Tessaly reads that a word it cannot read may have meant: the symbol it is in another
// case, or words a letter or two away.
std::vector<std::string_view> offeredFor(std::string_view word)
{
    const std::span<const std::string_view> every = singleUnitWords();
    std::vector<std::string_view> sameLetters;
    std::copy_if(
        every.begin(), every.end(), std::back_inserter(sameLetters), [word](std::string_view form) {
            return std::equal(word.begin(), word.end(), form.begin(), form.end(),
                [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
        });
    // Within two letters every short word is near every other, which helps nobody.
    constexpr std::size_t shortest = 3;
    if (!sameLetters.empty() || word.size() < shortest)
        return sameLetters;
    return closestOf(word, every);
}

bool holdsDigit(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Why the word at the start of words, where a unit should stand, is none.
std::string noUnit(Words words)
{
    const std::string_view word = words.front();
    const Match match = matchUnit(words);
    if (match.refused != nullptr)
        return "no unit " + quoted(written(words.first(match.length))) + ": "
            + std::string(match.refused->why);
    if (isSeparator(word))
        return "no unit before " + quoted(word);
    if (holdsDigit(word)) {
        return (parseNumber(word) ? quoted(word) + " is a second value"
                                  : "cannot read " + quoted(word))
            + ": ask for one value in one unit at a time";
    }
    const std::vector<std::string_view> offered = offeredFor(word);
    const bool otherCase = !offered.empty() && offered.front().size() == word.size()
        && std::equal(word.begin(), word.end(), offered.front().begin(),
            [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
    return "no unit " + quoted(word) + (otherCase ? " (a symbol is read in its own case)" : "")
        + didYouMean(offered);
}

// "Pounds converts to Grams, Kilograms, Milligrams, Ounces or Tons".
std::string convertsTo(const UnitWords &unit)
{
    std::vector<std::string_view> others;
    for (const UnitWords &other : unitWordTable()) {
        if (other.category == unit.category && &other != &unit)
            others.push_back(other.unit);
    }
    return std::string(unit.unit) + " converts to " + oneOf(others, false);
}

std::string aKindOf(Category category)
{
    std::string name(categoryName(category));
    std::transform(name.begin(), name.end(), name.begin(), lowerAscii);
    return "a " + name;
}

Question refuse(std::string why)
{
    Question question;
    question.refusal = std::move(why);
    return question;
}

// Whether words are units alone that read, as a value that is no number may stand before.
bool unitsAlone(Words words)
{
    const Question rest = readQuestion(written(words));
    return rest.rule != nullptr && !rest.value;
}

} // namespace

Question readQuestion(std::string_view text)
{
    const Split split = splitWords(text);
    const Words words = split.view();
    if (words.empty())
        return refuse("nothing to convert");

    Question question;
    std::size_t next = 0;
    std::string_view fromWritten;
    // The value: a word of its own, or written against its unit.
    const std::string_view first = words.front();
    const std::size_t number = numberLength(first);
    const std::string_view attached = first.substr(number);
    const Match againstValue
        = number > 0 && !attached.empty() ? matchUnit({&attached, 1}) : Match{};
    if (againstValue.unit != nullptr) {
        question.value = first.substr(0, number);
        question.from = againstValue.unit;
        fromWritten = attached;
        next = 1;
    } else if ((number > 0 && attached.empty())
        || (words.size() > 1 && matchUnit(words).length == 0 && !isSeparator(first)
            && unitsAlone(words.subspan(1)))) {
        // A number, or a value that is none before units that read: converting says so, as it
        // does for a value given any other way.
        question.value = first;
        next = 1;
    }

    if (question.from == nullptr) {
        if (next == words.size())
            return refuse("no unit after " + quoted(words[next - 1]));
        const Match unit = matchUnit(words.subspan(next));
        if (unit.unit == nullptr)
            return refuse(noUnit(words.subspan(next)));
        question.from = unit.unit;
        fromWritten = written(words.subspan(next, unit.length));
        next += unit.length;
    }

    std::string_view separator;
    // "in" with nothing after it can only be the inch.
    if (next < words.size() && isSeparator(words[next])
        && !(next + 1 == words.size() && sameAnyCase(words[next], "in")))
        separator = words[next++];
    if (next == words.size()) {
        return refuse(separator.empty() ? "no unit to convert " + quoted(fromWritten) + " to"
                                        : "no unit after " + quoted(separator));
    }
    const Match target = matchUnit(words.subspan(next));
    if (target.unit == nullptr) {
        return refuse(!separator.empty() && isSeparator(words[next])
                ? "no unit after " + quoted(separator)
                : noUnit(words.subspan(next)));
    }
    question.to = target.unit;
    const std::string_view toWritten = written(words.subspan(next, target.length));
    next += target.length;

    if (next < words.size()) {
        return refuse(
            std::string(matchUnit(words.subspan(next)).unit != nullptr ? "one unit too many: "
                                                                       : "one word too many: ")
            + quoted(words[next]));
    }
    if (question.from->category != question.to->category) {
        return refuse(quoted(toWritten) + " is " + aKindOf(question.to->category) + " and "
            + quoted(fromWritten) + " " + aKindOf(question.from->category) + "; "
            + convertsTo(*question.from));
    }
    if (question.from == question.to) {
        return refuse(quoted(fromWritten) + " and " + quoted(toWritten) + " are both "
            + std::string(question.from->unit) + "; " + convertsTo(*question.from));
    }
    question.rule = FindRule(question.from->unit, question.to->unit);
    return question;
}

} // namespace tessaly
