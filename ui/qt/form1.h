#ifndef TESSALY_UI_QT_FORM1_H
#define TESSALY_UI_QT_FORM1_H

#include "ui/behaviour/form1_behaviour.h"
#include "ui/layout/form1_layout.h"

#include <QWidget>

#include <memory>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
QT_END_NAMESPACE

namespace tessaly {

class Form2;
class MessageBox;
class PairComboBox;
class ResultLabel;

// The main window: pick a category, open the pair list, type a value, accept the disclaimer,
// Convert. It is the window its shared behaviour works on, and forwards every event to it.
class Form1 : public QWidget, public Form1Port
{
    Q_OBJECT

public:
    // Messages go to messageBox when one is given, otherwise to a real modal box.
    explicit Form1(MessageBox *messageBox = nullptr, QWidget *parent = nullptr);
    ~Form1() override;

    // The disclaimer window; nullptr until "Disclaimer" is first pressed.
    [[nodiscard]] Form2 *form2() const;

    bool isOptionSelected(Category category) const override;
    CheckValue check1Value() const override;
    void combo1Clear() override;
    void combo1AddItem(const std::string &item) override;
    std::string combo1Text() const override;
    std::string text1Text() const override;
    void restoreCombo1Text(const std::string &text, std::optional<std::size_t> item) override;
    double label1Room() const override;
    double label1Width(std::string_view text, double points) const override;
    void showLabel1(const std::string &text, const ResultFit &fit) override;
    void announceLabel1(const std::string &text) override;
    void makeForm2() override;
    void showForm2() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The control the table names, made by the constructor as the kind the table gives.
    template <typename Widget> Widget *control(const form1::Control &entry) const
    {
        auto *widget = findChild<Widget *>(
            QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
        Q_ASSERT(widget != nullptr);
        return widget;
    }

    QGroupBox *Frame1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QLineEdit *Text1;
    QLabel *Label2;
    QPushButton *Command1;
    ResultLabel *Label1;
    PairComboBox *Combo1;
    QLabel *Label3;
    QLabel *Label4;
    QPushButton *Command2;
    QLabel *Label5;
    QCheckBox *Check1;

    std::unique_ptr<MessageBox> m_ownMessageBox;
    std::unique_ptr<Form1Behaviour> m_behaviour;
    std::unique_ptr<Form2> m_form2;
};

} // namespace tessaly

#endif
