#include "ui/behaviour/form1_behaviour.h"

#include "core/convert_command.h"
#include "core/list_refill.h"

namespace tessaly {

Form1Behaviour::Form1Behaviour(Form1Port &window, MessageBox &messageBox)
    : m_window(window)
    , m_messageBox(messageBox)
{
    m_catalogue.Load();
}

void Form1Behaviour::combo1DropDown()
{
    const std::string typed = m_window.combo1Text();
    const std::optional<Category> category = ListRefill(m_catalogue, m_window);
    m_window.restoreCombo1Text(
        typed, category ? PairIndex(m_catalogue, *category, typed) : std::nullopt);
}

void Form1Behaviour::command1Clicked()
{
    ConvertCommand(m_window, m_messageBox);
}

} // namespace tessaly
