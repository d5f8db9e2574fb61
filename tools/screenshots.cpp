// Redraws the README's two pictures from the real windows: Pounds to Kilograms, 2.5 typed in and
// converted, then the disclaimer window. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM
// names another (the Wayland check runs it on a compositor), and drives the controls by name:
// texts are set, buttons clicked. (Typed keys would crash Qt 6.4's Wayland plugin on a compositor
// that has no keyboard, as a headless one has not.)
//
// Usage: screenshots FOLDER
#include "ui/qt/application.h"
#include "ui/qt/form1.h"
#include "ui/qt/form2.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cstdio>

namespace {

template <typename Widget> Widget *control(const QWidget &window, const char *name)
{
    auto *widget = window.findChild<Widget *>(QLatin1String(name));
    if (widget == nullptr) {
        std::fprintf(stderr, "screenshots: the window has no %s\n", name);
        std::exit(1);
    }
    return widget;
}

void save(QWidget &window, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name);
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("Wrote %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    tessaly::describeApplication();

    tessaly::Form1 form1;
    form1.show();
    if (!QTest::qWaitForWindowExposed(&form1))
        return 1;
    QTest::mouseClick(control<QRadioButton>(form1, "Option2"), Qt::LeftButton);
    control<QComboBox>(form1, "Combo1")->setEditText(QStringLiteral("Pounds to Kilograms"));
    control<QLineEdit>(form1, "Text1")->setText(QStringLiteral("2.5"));
    QTest::mouseClick(control<QCheckBox>(form1, "Check1"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(form1, "Command1"), Qt::LeftButton);
    save(form1, folder, QStringLiteral("main-window.png"));

    QTest::mouseClick(control<QPushButton>(form1, "Command2"), Qt::LeftButton);
    QWidget *form2 = form1.form2();
    if (form2 == nullptr || !QTest::qWaitForWindowExposed(form2))
        return 1;
    save(*form2, folder, QStringLiteral("disclaimer-window.png"));
    return 0;
}
