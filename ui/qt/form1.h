#ifndef TESSALY_UI_QT_FORM1_H
#define TESSALY_UI_QT_FORM1_H

#include "core/unit_catalogue.h"
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

class Form1View;
class Form2;
class MessageBox;
class PairComboBox;
class ResultLabel;

// The main window: pick a category, open the pair list, type a value, accept the disclaimer,
// Convert. Its handlers only gather what the conversion core needs and call it.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // Messages go to messageBox when one is given, otherwise to a real modal box.
    explicit Form1(MessageBox *messageBox = nullptr, QWidget *parent = nullptr);
    ~Form1() override;

    // The disclaimer window; nullptr until "Disclaimer" is first pressed.
    [[nodiscard]] Form2 *form2() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void combo1DropDown();
    void command1Clicked();
    void command2Clicked();

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

    UnitCatalogue m_catalogue;
    std::unique_ptr<Form1View> m_view;
    std::unique_ptr<MessageBox> m_ownMessageBox;
    MessageBox *m_messageBox;
    std::unique_ptr<Form2> m_form2;
};

} // namespace tessaly

#endif
