// Any bytes as a question. The reader answers with a rule of the table from the one unit it read
// to the other, of the same kind, and a value that is part of the question; or it refuses and
// says why. It never reads outside the question.
#include "core/conversion_table.h"
#include "core/question.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // A view of exactly the bytes given, so that any read past them is the sanitizer's to catch.
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const tessaly::Question question = tessaly::readQuestion(text);
    FUZZ_CHECK((question.rule == nullptr) != question.refusal.empty());
    if (question.rule == nullptr)
        return 0;
    const auto rules = tessaly::ConversionTable();
    FUZZ_CHECK(question.rule >= rules.data() && question.rule < rules.data() + rules.size());
    FUZZ_CHECK(question.from != nullptr && question.to != nullptr && question.from != question.to);
    FUZZ_CHECK(question.from->category == question.to->category);
    FUZZ_CHECK(question.rule->source == question.from->unit);
    FUZZ_CHECK(question.rule->target == question.to->unit);
    if (question.value) {
        FUZZ_CHECK(!question.value->empty());
        FUZZ_CHECK(question.value->data() >= text.data()
            && question.value->data() + question.value->size() <= text.data() + text.size());
    }
    return 0;
}
