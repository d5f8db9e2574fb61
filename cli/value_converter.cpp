#include "cli/value_converter.h"

#include "cli/line_reader.h"
#include "cli/output.h"
#include "cli/quote.h"
#include "core/conversion_rule.h"

#include <string>

namespace tessaly::cli {

ValueConverter::ValueConverter(const ConversionRule &rule, Output &out, Output &errors)
    : m_rule(rule)
    , m_out(out)
    , m_errors(errors)
{ }

void ValueConverter::convertArgument(std::string_view value)
{
    convert(value, 0, false);
}

bool ValueConverter::convertLines(LineReader &lines)
{
    std::uint64_t lineNumber = 0;
    std::string_view line;
    for (;;) {
        const LineReader::Status status = lines.next(line);
        if (status == LineReader::Status::End)
            return true;
        if (status == LineReader::Status::Error)
            return false;
        convert(line, ++lineNumber, status == LineReader::Status::TooLong);
        if (m_out.failed())
            return true;
    }
}

void ValueConverter::convert(std::string_view value, std::uint64_t lineNumber, bool tooLong)
{
    if (!tooLong) {
        if (const auto result = Convert(m_rule, value)) {
            m_out.write(*result);
            m_out.write("\n");
            return;
        }
    }
    m_out.write("\n");
    m_allConverted = false;
    std::string message = "tessaly: ";
    if (lineNumber != 0)
        message += "line " + std::to_string(lineNumber) + ": ";
    message += "not a number";
    const std::string shown = tooLong ? "(longer than 1 MiB)" : quoteForMessage(value);
    message += shown.front() == '"' ? ": " : " ";
    message += shown;
    message += '\n';
    m_errors.write(message);
}

} // namespace tessaly::cli
