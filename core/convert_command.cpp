#include "core/convert_command.h"

#include "core/conversion_table.h"
#include "core/main_window_view.h"
#include "runtime/message_box.h"

namespace tessaly {

bool ConvertCommand(MainWindowView &view, MessageBox &messageBox)
{
    if (view.check1Value() == CheckValue::Unticked) {
        messageBox.show(std::string(disclaimerPrompt));
        return false;
    }

    // Cleared before the lookup, so a failed conversion never leaves an earlier result standing
    // as though it belonged to the new input.
    view.setLabel1Caption({});
    const ConversionRule *rule = FindRule(view.combo1Text());
    if (rule == nullptr)
        return true;

    if (auto result = Convert(*rule, view.text1Text()))
        view.setLabel1Caption(*result);
    return true;
}

} // namespace tessaly
