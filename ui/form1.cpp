#include "ui/form1.h"

#include "core/convert_command.h"
#include "core/list_refill.h"
#include "ui/fonts.h"
#include "ui/form1_view.h"
#include "ui/form2.h"
#include "ui/pair_combo_box.h"
#include "ui/qt_message_box.h"
#include "ui/result_label.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tessaly {

namespace {

template <typename Widget, typename... Args>
Widget *place(QWidget *parent, const char *name, const QRect &geometry, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *placeLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *label = place<QLabel>(parent, name, geometry, text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *placeButton(
    QWidget *parent, const char *name, const QRect &geometry, const QString &text)
{
    auto *button = place<QPushButton>(parent, name, geometry, text);
    // Enter and Esc press neither button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

Form1::Form1(MessageBox *messageBox, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Tessaly"));
    setFont(windowFont());
    resize(twips(0, 0, 4485, 3765).size());

    Frame1 = place<QGroupBox>(this, "Frame1", twips(240, 240, 1815, 2175), tr("Type of Units"));
    Option1 = place<QRadioButton>(Frame1, "Option1", twips(240, 360, 855, 495), tr("Length"));
    Option2 = place<QRadioButton>(Frame1, "Option2", twips(240, 960, 975, 495), tr("Mass"));
    Option3
        = place<QRadioButton>(Frame1, "Option3", twips(240, 1560, 1335, 375), tr("Temperature"));
    Option1->setChecked(true);

    Text1 = place<QLineEdit>(this, "Text1", twips(2160, 360, 1575, 435));
    Text1->setFont(largeFont());
    Text1->setAccessibleName(tr("Value"));
    Label2 = placeLabel(this, "Label2", twips(3840, 360, 495, 375), QString());
    Command1 = placeButton(this, "Command1", twips(2400, 960, 1215, 855), tr("Convert"));
    Label1 = place<ResultLabel>(this, "Label1", twips(2400, 1920, 1815, 615));
    Label1->setFont(largeFont());
    Label1->setAccessibleDescription(tr("Result"));
    Combo1 = place<PairComboBox>(this, "Combo1", twips(360, 2760, 3135, 315));
    Combo1->setAccessibleName(tr("Conversion"));
    Label3 = placeLabel(this, "Label3", twips(3720, 2760, 615, 375), tr("Version      1.0"));
    Label4 = placeLabel(this, "Label4", twips(2760, 3240, 1695, 375), tr("tessaly@example.org"));
    Command2 = placeButton(this, "Command2", twips(240, 3240, 1095, 375), tr("Disclaimer"));
    Label5 = placeLabel(this, "Label5", twips(1680, 3240, 855, 375), tr("I Accept Disclaimer"));
    // Only the box shows; Label5 beside it is its caption for the eye, this name for the ear.
    Check1 = place<QCheckBox>(this, "Check1", twips(1440, 3240, 255, 255));
    Check1->setAccessibleName(tr("I Accept Disclaimer"));

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
