#include "core/suggestions.h"

#include "core/conversion_table.h"
#include "core/pair_label.h"
#include "runtime/quote.h"
#include "runtime/text.h"

#include <algorithm>
#include <numeric>

namespace tessaly {

namespace {

constexpr std::size_t mostSuggestions = 3;

// Letter case and runs of blanks do not count as differences.
std::string folded(std::string_view text)
{
    std::string result;
    bool blank = true;
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            blank = true;
            continue;
        }
        if (blank && !result.empty())
            result += ' ';
        blank = false;
        result += lowerAscii(c);
    }
    return result;
}

// Edits (insert, delete, replace, swap two neighbours) from one text to the other.
std::size_t editDistance(std::string_view from, std::string_view to)
{
    std::vector<std::size_t> beforeLast(to.size() + 1);
    std::vector<std::size_t> last(to.size() + 1);
    std::vector<std::size_t> row(to.size() + 1);
    std::iota(last.begin(), last.end(), std::size_t{0});
    for (std::size_t i = 1; i <= from.size(); ++i) {
        row[0] = i;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t replace = last[j - 1] + (from[i - 1] == to[j - 1] ? 0 : 1);
            row[j] = std::min({last[j] + 1, row[j - 1] + 1, replace});
            if (i > 1 && j > 1 && from[i - 1] == to[j - 2] && from[i - 2] == to[j - 1])
                row[j] = std::min(row[j], beforeLast[j - 2] + 1);
        }
        std::swap(beforeLast, last);
        std::swap(last, row);
    }
    return last[to.size()];
}

} // namespace

std::vector<std::string_view> closestOf(
    std::string_view text, std::span<const std::string_view> known)
{
    const std::string typed = folded(text);
    std::vector<std::pair<std::size_t, std::size_t>> close;
    for (std::size_t index = 0; index < known.size(); ++index) {
        const std::string candidate = folded(known[index]);
        // A quarter of the letters may be wrong: "Feet to Meters" is three edits from
        // "Foots to Meters".
        const std::size_t allowed = std::max<std::size_t>(2, candidate.size() / 4);
        const std::size_t lengthGap = typed.size() > candidate.size()
            ? typed.size() - candidate.size()
            : candidate.size() - typed.size();
        if (lengthGap > allowed)
            continue;
        const std::size_t distance = editDistance(typed, candidate);
        if (distance <= allowed)
            close.emplace_back(distance, index);
    }
    std::sort(close.begin(), close.end());
    std::vector<std::string_view> closest;
    for (const auto &candidate : close) {
        // Only the nearest: a word one letter away makes those two away noise.
        if (closest.size() == mostSuggestions || candidate.first > close.front().first)
            break;
        closest.push_back(known[candidate.second]);
    }
    return closest;
}

std::vector<std::string_view> suggestPairs(std::string_view text)
{
    static const std::vector<std::string> labels = [] {
        const auto rules = ConversionTable();
        std::vector<std::string> all(rules.size());
        std::transform(rules.begin(), rules.end(), all.begin(),
            [](const ConversionRule &rule) { return PairLabel(rule.source, rule.target); });
        return all;
    }();
    static const std::vector<std::string_view> views(labels.begin(), labels.end());
    return closestOf(text, views);
}

std::string oneOf(std::span<const std::string_view> items, bool quoted)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " or " : ", ";
        text += quoted ? quoteForMessage(items[i]) : std::string(items[i]);
    }
    return text;
}

std::string didYouMean(std::span<const std::string_view> offered)
{
    return offered.empty() ? std::string() : "; did you mean " + oneOf(offered, true) + "?";
}

} // namespace tessaly
