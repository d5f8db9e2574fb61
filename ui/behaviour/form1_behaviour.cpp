#include "ui/behaviour/form1_behaviour.h"

#include "core/convert_command.h"
#include "core/list_refill.h"

namespace tessaly {

void Form1Port::setLabel1Caption(const std::string &caption)
{
    m_label1Text = caption;
    refitLabel1();
}

void Form1Port::refitLabel1()
{
    showLabel1(m_label1Text,
        fitResult(m_label1Text, label1Room(),
            [this](std::string_view text, double points) { return label1Width(text, points); }));
}

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
    if (ConvertCommand(m_window, m_messageBox) && !m_window.label1Text().empty())
        m_window.announceLabel1(m_window.label1Text());
}

void Form1Behaviour::command2Clicked()
{
    if (!m_form2Made) {
        m_window.makeForm2();
        m_form2Made = true;
    }
    m_window.showForm2();
}

} // namespace tessaly
