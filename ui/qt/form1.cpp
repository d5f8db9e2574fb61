#include "ui/qt/form1.h"

#include "ui/layout/form1_layout.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form2.h"
#include "ui/qt/pair_combo_box.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_message_box.h"
#include "ui/qt/result_label.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace tessaly {

namespace {

QWidget *makeControl(const form1::Control &control, QWidget *parent)
{
    const QString caption = toQString(control.caption);
    switch (control.kind) {
    case form1::Kind::Frame:
        return new QGroupBox(caption, parent);
    case form1::Kind::OptionButton:
        return new QRadioButton(caption, parent);
    case form1::Kind::TextBox:
        return new QLineEdit(parent);
    case form1::Kind::ResultLabel:
        return new ResultLabel(parent);
    case form1::Kind::CommandButton: {
        auto *button = new QPushButton(caption, parent);
        // Enter and Esc press neither button.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case form1::Kind::ComboBox:
        return new PairComboBox(parent);
    case form1::Kind::CheckBox:
        return new QCheckBox(parent);
    case form1::Kind::Label:
        break;
    }
    auto *label = new QLabel(caption, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

Form1::Form1(MessageBox *messageBox, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Tessaly"));
    setFont(windowFont());
    resize(toQRect(form1::clientArea).size());

    std::vector<std::pair<int, QWidget *>> tabStops;
    for (const form1::Control &entry : form1::controls) {
        QWidget *container = entry.parent.empty()
            ? this
            : findChild<QWidget *>(toQString(entry.parent), Qt::FindDirectChildrenOnly);
        QWidget *widget = makeControl(entry, container);
        widget->setObjectName(toQString(entry.name));
        widget->setGeometry(toQRect(entry.rect));
        if (entry.font == form1::Font::Large)
            widget->setFont(largeFont());
        if (layout::takesFocus(entry.kind))
            tabStops.emplace_back(entry.tabIndex, widget);
    }
    Frame1 = control<QGroupBox>(form1::Frame1);
    Option1 = control<QRadioButton>(form1::Option1);
    Option2 = control<QRadioButton>(form1::Option2);
    Option3 = control<QRadioButton>(form1::Option3);
    Text1 = control<QLineEdit>(form1::Text1);
    Label2 = control<QLabel>(form1::Label2);
    Command1 = control<QPushButton>(form1::Command1);
    Label1 = control<ResultLabel>(form1::Label1);
    Combo1 = control<PairComboBox>(form1::Combo1);
    Label3 = control<QLabel>(form1::Label3);
    Label4 = control<QLabel>(form1::Label4);
    Command2 = control<QPushButton>(form1::Command2);
    Label5 = control<QLabel>(form1::Label5);
    Check1 = control<QCheckBox>(form1::Check1);

    std::sort(tabStops.begin(), tabStops.end());
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        setTabOrder(tabStops[i - 1].second, tabStops[i].second);

    // The options are one Tab stop, on the selected one as in every desktop's dialogs: the
    // others take the focus from a click or the arrow keys, never from Tab.
    for (QRadioButton *option : {Option1, Option2, Option3}) {
        connect(option, &QRadioButton::toggled, option, [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
        option->setFocusPolicy(Qt::ClickFocus);
    }
    Option1->setChecked(true);
    Text1->setAccessibleName(toQString(form1::Text1.accessibleName));
    // The result's name is what it shows; what it is for is its description.
    Label1->setAccessibleDescription(toQString(form1::Label1.accessibleName));
    Combo1->setAccessibleName(toQString(form1::Combo1.accessibleName));
    Check1->setAccessibleName(toQString(form1::Check1.accessibleName));

    if (messageBox == nullptr) {
        m_ownMessageBox = std::make_unique<QtMessageBox>(this);
        messageBox = m_ownMessageBox.get();
    }
    m_behaviour = std::make_unique<Form1Behaviour>(*this, *messageBox);

    connect(Combo1, &PairComboBox::dropDown, this, &Form1::combo1DropDown);
    connect(Command1, &QPushButton::clicked, this, &Form1::command1Clicked);
    connect(Command2, &QPushButton::clicked, this, &Form1::command2Clicked);
}

Form1::~Form1() = default;

Form2 *Form1::form2() const
{
    return m_form2.get();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // The disclaimer window has no owner, so it would otherwise outlive the program's use.
    if (m_form2)
        m_form2->close();
    QWidget::closeEvent(event);
}

bool Form1::isOptionSelected(Category category) const
{
    switch (category) {
    case Category::Length:
        return Option1->isChecked();
    case Category::Mass:
        return Option2->isChecked();
    case Category::Temperature:
        return Option3->isChecked();
    }
    return false;
}

CheckValue Form1::check1Value() const
{
    switch (Check1->checkState()) {
    case Qt::Unchecked:
        return CheckValue::Unticked;
    case Qt::PartiallyChecked:
        return CheckValue::Greyed;
    case Qt::Checked:
        return CheckValue::Ticked;
    }
    return CheckValue::Unticked;
}

void Form1::combo1Clear()
{
    Combo1->clear();
}

void Form1::combo1AddItem(const std::string &item)
{
    Combo1->addItem(QString::fromStdString(item));
}

std::string Form1::combo1Text() const
{
    return Combo1->currentText().toStdString();
}

std::string Form1::text1Text() const
{
    return Text1->text().toStdString();
}

void Form1::setLabel1Caption(const std::string &caption)
{
    Label1->setText(QString::fromStdString(caption));
}

void Form1::restoreCombo1Text(const std::string &text, std::optional<std::size_t> item)
{
    Combo1->setCurrentIndex(item ? static_cast<int>(*item) : -1);
    Combo1->setEditText(QString::fromStdString(text));
}

void Form1::combo1DropDown()
{
    m_behaviour->combo1DropDown();
}

void Form1::command1Clicked()
{
    m_behaviour->command1Clicked();
}

void Form1::command2Clicked()
{
    if (!m_form2)
        m_form2 = std::make_unique<Form2>();
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

} // namespace tessaly
