#include "ui/qt/form1_view.h"

#include "ui/qt/result_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace tessaly {

Form1View::Form1View(const Controls &controls)
    : m_controls(controls)
{ }

bool Form1View::isOptionSelected(Category category) const
{
    switch (category) {
    case Category::Length:
        return m_controls.option1->isChecked();
    case Category::Mass:
        return m_controls.option2->isChecked();
    case Category::Temperature:
        return m_controls.option3->isChecked();
    }
    return false;
}

CheckValue Form1View::check1Value() const
{
    switch (m_controls.check1->checkState()) {
    case Qt::Unchecked:
        return CheckValue::Unticked;
    case Qt::PartiallyChecked:
        return CheckValue::Greyed;
    case Qt::Checked:
        return CheckValue::Ticked;
    }
    return CheckValue::Unticked;
}

void Form1View::combo1Clear()
{
    m_controls.combo1->clear();
}

void Form1View::combo1AddItem(const std::string &item)
{
    m_controls.combo1->addItem(QString::fromStdString(item));
}

std::string Form1View::combo1Text() const
{
    return m_controls.combo1->currentText().toStdString();
}

std::string Form1View::text1Text() const
{
    return m_controls.text1->text().toStdString();
}

void Form1View::setLabel1Caption(const std::string &caption)
{
    m_controls.label1->setText(QString::fromStdString(caption));
}

} // namespace tessaly
