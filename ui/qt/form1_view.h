#ifndef TESSALY_UI_QT_FORM1_VIEW_H
#define TESSALY_UI_QT_FORM1_VIEW_H

#include "core/main_window_view.h"

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
QT_END_NAMESPACE

namespace tessaly {

class ResultLabel;

// The main window's controls as the conversion actions see them. The one place where Qt's
// strings and the core's UTF-8 strings meet.
class Form1View final : public MainWindowView
{
public:
    struct Controls
    {
        QRadioButton *option1;
        QRadioButton *option2;
        QRadioButton *option3;
        QCheckBox *check1;
        QComboBox *combo1;
        QLineEdit *text1;
        ResultLabel *label1;
    };

    explicit Form1View(const Controls &controls);

    bool isOptionSelected(Category category) const override;
    CheckValue check1Value() const override;
    void combo1Clear() override;
    void combo1AddItem(const std::string &item) override;
    std::string combo1Text() const override;
    std::string text1Text() const override;
    void setLabel1Caption(const std::string &caption) override;

private:
    Controls m_controls;
};

} // namespace tessaly

#endif
