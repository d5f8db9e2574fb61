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
    ListRefill(m_catalogue, m_window);
    std::optional<std::size_t> item;
    for (const Category category : allCategories) {
        if (m_window.isOptionSelected(category))
            item = PairIndex(m_catalogue, category, typed);
    }
    m_window.restoreCombo1Text(typed, item);
}

void Form1Behaviour::command1Clicked()
{
    ConvertCommand(m_window, m_messageBox);
}

} // namespace tessaly
