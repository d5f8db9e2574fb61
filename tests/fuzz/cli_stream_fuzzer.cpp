// Any bytes as the command line's standard input, converted by any rule. One output line for
// every input line, each a result that reads back or empty; one error line for every empty one.
#include "cli/command_line.h"
#include "core/conversion_table.h"
#include "core/pair_label.h"
#include "fuzz_check.h"
#include "runtime/number_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const auto rules = tessaly::ConversionTable();
    const auto &rule = rules[provider.ConsumeIntegralInRange<std::size_t>(0, rules.size() - 1)];
    const std::string input = provider.ConsumeRemainingBytesAsString();

    const std::vector<std::string> words{
        "tessaly", "--accept-disclaimer", tessaly::PairLabel(rule.source, rule.target)};
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    const int status = tessaly::cli::run(words, in, out, errors);

    // A byte-order mark alone on the first line is no line of its own.
    const std::string_view mark = "\xEF\xBB\xBF";
    const std::string_view body = std::string_view(input).starts_with(mark)
        ? std::string_view(input).substr(mark.size())
        : std::string_view(input);
    const auto inputLines = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n'))
        + (!body.empty() && input.back() != '\n' ? 1 : 0);
    std::istringstream answers(out.str());
    std::size_t answered = 0;
    std::size_t empty = 0;
    for (std::string answer; std::getline(answers, answer); ++answered) {
        if (answer.empty()) {
            ++empty;
            continue;
        }
        if (answer == "Infinity" || answer == "-Infinity")
            continue;
        const auto back = tessaly::parseNumber(answer);
        FUZZ_CHECK(back.has_value() && std::isfinite(*back));
    }
    FUZZ_CHECK(answered == inputLines);
    const std::string said = errors.str();
    FUZZ_CHECK(static_cast<std::size_t>(std::count(said.begin(), said.end(), '\n')) == empty);
    FUZZ_CHECK(status == (empty == 0 ? 0 : 1));
    return 0;
}
