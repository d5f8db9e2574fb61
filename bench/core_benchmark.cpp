// The conversion core's two actions against the test view with its call record off, so that the
// figures are the core's own.
#include "core/convert_command.h"
#include "core/list_refill.h"
#include "core/question.h"
#include "core/unit_catalogue.h"
#include "doubles/fake_main_window_view.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tessaly;

// The benchmark loop advances the state, so it cannot be const.
// cppcheck-suppress constParameterCallback
void listRefill(benchmark::State &state, Category category)
{
    UnitCatalogue catalogue;
    catalogue.Load();
    FakeMainWindowView view;
    view.recordCalls = false;
    view.selected = category;
    for (auto _ : state) {
        ListRefill(catalogue, view);
        benchmark::DoNotOptimize(view.items.data());
    }
}
BENCHMARK_CAPTURE(listRefill, Length, Category::Length);
BENCHMARK_CAPTURE(listRefill, Mass, Category::Mass);
BENCHMARK_CAPTURE(listRefill, Temperature, Category::Temperature);

// cppcheck-suppress constParameterCallback
void convertCommand(benchmark::State &state, const char *pair)
{
    FakeMainWindowView view;
    view.recordCalls = false;
    RecordingMessageBox messages;
    view.comboText = pair;
    view.inputText = "2.5";
    for (auto _ : state) {
        ConvertCommand(view, messages);
        benchmark::DoNotOptimize(view.caption.data());
    }
}
// The last rule in the table is the longest search; a pair with no rule searches it all.
BENCHMARK_CAPTURE(convertCommand, FirstRule, "Centimeters to Foots");
BENCHMARK_CAPTURE(convertCommand, LastRule, "Kelvin to Celsius");
BENCHMARK_CAPTURE(convertCommand, RoundedRule, "Milligrams to Tons");
BENCHMARK_CAPTURE(convertCommand, NoRule, "Meters to Meters");

// cppcheck-suppress constParameterCallback
void questionReading(benchmark::State &state, const char *question)
{
    for (auto _ : state) {
        const Question read = readQuestion(question);
        benchmark::DoNotOptimize(read.rule);
    }
}
BENCHMARK_CAPTURE(questionReading, Words, "2.5 lb to kg");
BENCHMARK_CAPTURE(questionReading, Attached, "-40\u00b0F in \u00b0C");
// The last unit of the table, named by its last word.
BENCHMARK_CAPTURE(questionReading, LastWords, "300 kelvins into centigrade");
BENCHMARK_CAPTURE(questionReading, Refused, "1 stone to kg");

} // namespace
