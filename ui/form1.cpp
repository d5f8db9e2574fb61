#include "ui/form1.h"

#include "core/convert_command.h"
#include "core/list_refill.h"
#include "ui/fonts.h"
#include "ui/form1_layout.h"
#include "ui/form1_view.h"
#include "ui/form2.h"
#include "ui/pair_combo_box.h"
#include "ui/qt_geometry.h"
#include "ui/qt_message_box.h"
#include "ui/result_label.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <type_traits>

namespace tessaly {

namespace {

template <typename Widget> Widget *place(QWidget *parent, const form1::Control &control)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(toQString(control.name));
    widget->setGeometry(toQRect(control.rect));
    if constexpr (std::is_base_of_v<QAbstractButton, Widget> || std::is_same_v<QLabel, Widget>)
        widget->setText(toQString(control.caption));
    if constexpr (std::is_same_v<QGroupBox, Widget>)
        widget->setTitle(toQString(control.caption));
    if constexpr (std::is_same_v<QLabel, Widget>) {
        widget->setWordWrap(true);
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    if constexpr (std::is_same_v<QPushButton, Widget>) {
        // Enter and Esc press neither button.
        widget->setAutoDefault(false);
        widget->setDefault(false);
    }
    return widget;
}

} // namespace

Form1::Form1(MessageBox *messageBox, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Tessaly"));
    setFont(windowFont());
    resize(toQRect(form1::clientArea).size());

    Frame1 = place<QGroupBox>(this, form1::Frame1);
    Option1 = place<QRadioButton>(Frame1, form1::Option1);
    Option2 = place<QRadioButton>(Frame1, form1::Option2);
    Option3 = place<QRadioButton>(Frame1, form1::Option3);
    Option1->setChecked(true);

    Text1 = place<QLineEdit>(this, form1::Text1);
    Text1->setFont(largeFont());
    Text1->setAccessibleName(tr("Value"));
    Label2 = place<QLabel>(this, form1::Label2);
    Command1 = place<QPushButton>(this, form1::Command1);
    Label1 = place<ResultLabel>(this, form1::Label1);
    Label1->setFont(largeFont());
    Label1->setAccessibleDescription(tr("Result"));
    Combo1 = place<PairComboBox>(this, form1::Combo1);
    Combo1->setAccessibleName(tr("Conversion"));
    Label3 = place<QLabel>(this, form1::Label3);
    Label4 = place<QLabel>(this, form1::Label4);
    Command2 = place<QPushButton>(this, form1::Command2);
    Label5 = place<QLabel>(this, form1::Label5);
    // Label5 is the box's caption for the eye; this name is its caption for the ear.
    Check1 = place<QCheckBox>(this, form1::Check1);
    Check1->setAccessibleName(Label5->text());

    setTabOrder(Option3, Option2);
    setTabOrder(Option2, Option1);
    setTabOrder(Option1, Command1);
    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Combo1);
    setTabOrder(Combo1, Command2);
    setTabOrder(Command2, Check1);

    m_view = std::make_unique<Form1View>(
        Form1View::Controls{Option1, Option2, Option3, Check1, Combo1, Text1, Label1});
    if (messageBox == nullptr) {
        m_ownMessageBox = std::make_unique<QtMessageBox>(this);
        messageBox = m_ownMessageBox.get();
    }
    m_messageBox = messageBox;

    connect(Combo1, &PairComboBox::dropDown, this, &Form1::combo1DropDown);
    connect(Command1, &QPushButton::clicked, this, &Form1::command1Clicked);
    connect(Command2, &QPushButton::clicked, this, &Form1::command2Clicked);

    m_catalogue.Load();
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

void Form1::combo1DropDown()
{
    ListRefill(m_catalogue, *m_view);
}

void Form1::command1Clicked()
{
    ConvertCommand(*m_view, *m_messageBox);
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
