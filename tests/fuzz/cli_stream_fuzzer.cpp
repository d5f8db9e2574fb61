// Any bytes as the command line's standard input, arriving in pieces of any size, converted by any
// rule. One output line for every input line, each a result that reads back or empty; one error
// line for every empty one.
#include "cli/line_reader.h"
#include "cli/output.h"
#include "cli/value_converter.h"
#include "core/conversion_table.h"
#include "fuzz_check.h"
#include "runtime/number_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const auto rules = tessaly::ConversionTable();
    const auto &rule = rules[provider.ConsumeIntegralInRange<std::size_t>(0, rules.size() - 1)];
    const auto piece = provider.ConsumeIntegralInRange<std::size_t>(1, 64);
    const std::string input = provider.ConsumeRemainingBytesAsString();

    tessaly::cli::Output out;
    tessaly::cli::Output errors;
    tessaly::cli::ValueConverter converter(rule, out, errors);
    std::size_t at = 0;
    tessaly::cli::LineReader lines(
        [&](char *buffer, std::size_t room) {
            const std::size_t count = std::min({piece, room, input.size() - at});
            std::copy_n(input.data() + at, count, buffer);
            at += count;
            return static_cast<long>(count);
        },
        nullptr);
    FUZZ_CHECK(converter.convertLines(lines));

    const auto inputLines = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n'))
        + (!input.empty() && input.back() != '\n' ? 1 : 0);
    std::istringstream answers(out.text());
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
    FUZZ_CHECK(
        static_cast<std::size_t>(std::count(errors.text().begin(), errors.text().end(), '\n'))
        == empty);
    FUZZ_CHECK(converter.allConverted() == (empty == 0));
    return 0;
}
