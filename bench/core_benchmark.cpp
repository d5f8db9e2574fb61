// The conversion core's two actions against a view that stores and nothing else, so that the
// figures are the core's own.
#include "core/convert_command.h"
#include "core/list_refill.h"
#include "core/main_window_view.h"
#include "core/unit_catalogue.h"
#include "runtime/message_box.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace tessaly;

class BareView final : public MainWindowView
{
public:
    Category selected = Category::Length;
    std::vector<std::string> items;
    std::string comboText;
    std::string inputText;
    std::string caption;

    bool isOptionSelected(Category category) const override { return category == selected; }
    CheckValue check1Value() const override { return CheckValue::Ticked; }
    void combo1Clear() override { items.clear(); }
    void combo1AddItem(const std::string &item) override { items.push_back(item); }
    std::string combo1Text() const override { return comboText; }
    std::string text1Text() const override { return inputText; }
    void setLabel1Caption(const std::string &text) override { caption = text; }
};

class SilentMessageBox final : public MessageBox
{
public:
    void show(const std::string &) override { }
};

// The benchmark loop advances the state, so it cannot be const.
// cppcheck-suppress constParameterCallback
void listRefill(benchmark::State &state, Category category)
{
    UnitCatalogue catalogue;
    catalogue.Load();
    BareView view;
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
    BareView view;
    SilentMessageBox messages;
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

} // namespace
