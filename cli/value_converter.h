#ifndef TESSALY_CLI_VALUE_CONVERTER_H
#define TESSALY_CLI_VALUE_CONVERTER_H

#include <cstdint>
#include <string_view>

namespace tessaly {
struct ConversionRule;
}

namespace tessaly::cli {

class LineReader;
class Output;

// Converts values by one rule as the window would: one line out for each value in, the result
// text or, for a value that is not a number, an empty line, so that answers stay paired with
// questions. Each value that is not a number also gets one error line.
class ValueConverter
{
public:
    ValueConverter(const ConversionRule &rule, Output &out, Output &errors);

    void convertArgument(std::string_view value);
    // Every line until the end of the input or a failed write; false if the input failed.
    bool convertLines(LineReader &lines);

    // Whether every value so far was a number.
    [[nodiscard]] bool allConverted() const { return m_allConverted; }

private:
    void convert(std::string_view value, std::uint64_t lineNumber, bool tooLong);

    const ConversionRule &m_rule;
    Output &m_out;
    Output &m_errors;
    bool m_allConverted = true;
};

} // namespace tessaly::cli

#endif
