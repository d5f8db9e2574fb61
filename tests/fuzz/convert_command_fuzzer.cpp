// Any pair text and any input text through the Convert command, with the disclaimer box in any
// state. Never a crash; the result is empty or a number that reads back ("Infinity" and
// "-Infinity" included); a message exactly when the box is unticked, and then nothing else.
#include "core/conversion_table.h"
#include "core/convert_command.h"
#include "core/pair_label.h"
#include "doubles/fake_main_window_view.h"
#include "fuzz_check.h"
#include "runtime/number_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    tessaly::FakeMainWindowView view;
    tessaly::RecordingMessageBox messages;

    view.check = static_cast<tessaly::CheckValue>(provider.ConsumeIntegralInRange(0, 2));
    // Half of the runs use a real pair, so the inputs reach every rule.
    const auto rules = tessaly::ConversionTable();
    if (provider.ConsumeBool()) {
        const auto &rule = rules[provider.ConsumeIntegralInRange<std::size_t>(0, rules.size() - 1)];
        view.comboText = tessaly::PairLabel(rule.source, rule.target);
    } else {
        view.comboText = provider.ConsumeRandomLengthString(64);
    }
    view.inputText = provider.ConsumeRemainingBytesAsString();
    const std::string before = "previous result";
    view.caption = before;

    tessaly::ConvertCommand(view, messages);

    if (view.check == tessaly::CheckValue::Unticked) {
        FUZZ_CHECK(messages.prompts.size() == 1);
        FUZZ_CHECK(view.caption == before);
        return 0;
    }
    FUZZ_CHECK(messages.prompts.empty());
    const std::string &shown = view.caption;
    if (shown.empty() || shown == "Infinity" || shown == "-Infinity")
        return 0;
    FUZZ_CHECK(shown.size() <= tessaly::maxNumberTextLength);
    const auto back = tessaly::parseNumber(shown);
    FUZZ_CHECK(back.has_value() && std::isfinite(*back));
    FUZZ_CHECK(tessaly::formatNumber(*back) == shown);
    return 0;
}
