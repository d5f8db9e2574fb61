#ifndef TESSALY_TESTS_UI_FORM1_FIXTURE_H
#define TESSALY_TESTS_UI_FORM1_FIXTURE_H

#include "doubles/fake_main_window_view.h"
#include "ui/qt/form1.h"
#include "ui/qt/pair_combo_box.h"
#include "ui/qt/result_label.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace tessaly {

// A shown main window whose messages are recorded instead of blocking the test.
class Form1Fixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form_ = std::make_unique<Form1>(&messages_);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }

    template <typename Widget> Widget *child(const char *name) const
    {
        auto *widget = form_->findChild<Widget *>(QLatin1String(name));
        if (widget == nullptr)
            ADD_FAILURE() << "no control named " << name;
        return widget;
    }

    PairComboBox *combo1() const { return child<PairComboBox>("Combo1"); }
    QLineEdit *text1() const { return child<QLineEdit>("Text1"); }
    ResultLabel *label1() const { return child<ResultLabel>("Label1"); }
    QCheckBox *check1() const { return child<QCheckBox>("Check1"); }
    QPushButton *command1() const { return child<QPushButton>("Command1"); }
    QPushButton *command2() const { return child<QPushButton>("Command2"); }
    QRadioButton *option(int n) const
    {
        return child<QRadioButton>(QStringLiteral("Option%1").arg(n).toLatin1().constData());
    }

    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    static long disclaimerWindows()
    {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::count_if(windows.begin(), windows.end(),
            [](const QWidget *window) { return window->objectName() == "Form2"; });
    }

    // Opens the pair list with F4, as a keyboard user would, and closes it again.
    void openList()
    {
        QTest::keyClick(combo1(), Qt::Key_F4);
        combo1()->hidePopup();
    }

    RecordingMessageBox messages_;
    std::unique_ptr<Form1> form_;
};

} // namespace tessaly

#endif
