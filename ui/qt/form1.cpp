#include "ui/qt/form1.h"

#include "ui/layout/form1_layout.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form2.h"
#include "ui/qt/pair_combo_box.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/qt_message_box.h"
#include "ui/qt/result_label.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <optional>

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
    setWindowTitle(toQString(form1::title));
    setFont(windowFont());
    resize(toQRect(form1::clientArea).size());

    for (const form1::Control &entry : form1::controls) {
        QWidget *container = entry.parent.empty()
            ? this
            : findChild<QWidget *>(toQString(entry.parent), Qt::FindDirectChildrenOnly);
        QWidget *widget = makeControl(entry, container);
        widget->setObjectName(toQString(entry.name));
        widget->setGeometry(toQRect(entry.rect));
        if (entry.font == form1::Font::Large)
            widget->setFont(largeFont());
        switch (layout::namingOf(entry)) {
        case layout::Naming::Given:
            widget->setAccessibleName(toQString(entry.accessibleName));
            break;
        case layout::Naming::Shown:
            widget->setAccessibleDescription(toQString(entry.accessibleName));
            break;
        case layout::Naming::Caption:
            break;
        }
    }
    // Tab follows the window order.
    QWidget *previousStop = nullptr;
    for (const form1::Control &entry : form1::windowOrder) {
        if (!layout::takesFocus(entry.kind))
            continue;
        auto *widget = control<QWidget>(entry);
        if (previousStop != nullptr)
            setTabOrder(previousStop, widget);
        previousStop = widget;
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

    // The options are one Tab stop, on the selected one as in every desktop's dialogs: the
    // others take the focus from a click or the arrow keys, never from Tab.
    for (QRadioButton *option : {Option1, Option2, Option3}) {
        connect(option, &QRadioButton::toggled, option, [option](bool checked) {
            option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
        option->setFocusPolicy(Qt::ClickFocus);
    }
    control<QRadioButton>(form1::optionOf(form1::startingCategory))->setChecked(true);

    if (messageBox == nullptr) {
        m_ownMessageBox = std::make_unique<QtMessageBox>(this);
        messageBox = m_ownMessageBox.get();
    }
    m_behaviour = std::make_unique<Form1Behaviour>(*this, *messageBox);

    connect(Combo1, &PairComboBox::dropDown, this, [this] { m_behaviour->combo1DropDown(); });
    connect(Command1, &QPushButton::clicked, this, [this] { m_behaviour->command1Clicked(); });
    connect(Command2, &QPushButton::clicked, this, [this] { m_behaviour->command2Clicked(); });
    connect(Label1, &ResultLabel::roomChanged, this, [this] { refitLabel1(); });
    refitLabel1();
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
    return control<QRadioButton>(form1::optionOf(category))->isChecked();
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

void Form1::restoreCombo1Text(const std::string &text, std::optional<std::size_t> item)
{
    Combo1->setCurrentIndex(item ? static_cast<int>(*item) : -1);
    Combo1->setEditText(QString::fromStdString(text));
}

double Form1::label1Room() const
{
    return Label1->room();
}

double Form1::label1Width(std::string_view text, double points) const
{
    return Label1->widthOf(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), points);
}

void Form1::showLabel1(const std::string &text, const ResultFit &fit)
{
    std::optional<int> wrapWidth;
    if (fit.breakBefore != std::string::npos) {
        wrapWidth = static_cast<int>(std::ceil(
                        label1Width(std::string_view(text).substr(0, fit.breakBefore), fit.points)))
            + 1;
    }
    Label1->showFitted(QString::fromStdString(text), fit.points, wrapWidth);
}

void Form1::announceLabel1(const std::string &)
{
    // Orca speaks a notification as it shows. When the toolkit has QAccessibleAnnouncementEvent
    // (Qt 6.8), that says the same in so many words, with its politeness.
    QAccessibleEvent shown(Label1, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void Form1::makeForm2()
{
    m_form2 = std::make_unique<Form2>();
}

void Form1::showForm2()
{
    m_form2->show();
    m_form2->raise();
    m_form2->activateWindow();
}

} // namespace tessaly
