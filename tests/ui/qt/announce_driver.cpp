// The main window, shown on a real display and used as a person would, a step a second so that a
// listener on the accessibility bus can tell the steps apart: 2.5 pounds to kilograms, the same
// again, once more with the disclaimer unticked (its message goes to a box that records it), and
// 4 pounds. Then it closes. announce_test.py listens to what screen readers are told.
#include "doubles/fake_main_window_view.h"
#include "ui/qt/application.h"
#include "ui/qt/form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tessaly::describeApplication();
    tessaly::RecordingMessageBox messages;
    tessaly::Form1 form1(&messages);
    const auto child
        = [&form1](const char *name) { return form1.findChild<QWidget *>(QLatin1String(name)); };
    const auto convert = [&] { static_cast<QPushButton *>(child("Command1"))->click(); };
    const std::vector<std::function<void()>> steps{
        [&] {
            static_cast<QRadioButton *>(child("Option2"))->click();
            static_cast<QComboBox *>(child("Combo1"))->setEditText("Pounds to Kilograms");
            static_cast<QLineEdit *>(child("Text1"))->setText("2.5");
            static_cast<QCheckBox *>(child("Check1"))->setChecked(true);
            convert();
        },
        convert,
        [&] {
            static_cast<QCheckBox *>(child("Check1"))->setChecked(false);
            convert();
        },
        [&] {
            static_cast<QCheckBox *>(child("Check1"))->setChecked(true);
            static_cast<QLineEdit *>(child("Text1"))->setText("4");
            convert();
        },
        [&] { form1.close(); },
    };
    for (std::size_t i = 0; i < steps.size(); ++i)
        QTimer::singleShot(1000 * static_cast<int>(i + 1), &form1, steps[i]);
    form1.show();
    return QApplication::exec();
}
