// The floor Tessaly is measured against: the smallest Qt Widgets program that shows a window of
// Tessaly's size with the same kinds of controls and the same captions, and does nothing else.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tessaly"));
    window.resize(299, 251);

    auto *frame = new QGroupBox(QStringLiteral("Type of Units"), &window);
    frame->setGeometry(16, 16, 121, 145);
    (new QRadioButton(QStringLiteral("Length"), frame))->setGeometry(16, 24, 57, 33);
    (new QRadioButton(QStringLiteral("Mass"), frame))->setGeometry(16, 64, 65, 33);
    (new QRadioButton(QStringLiteral("Temperature"), frame))->setGeometry(16, 104, 89, 25);
    (new QLineEdit(&window))->setGeometry(144, 24, 105, 29);
    (new QLabel(&window))->setGeometry(256, 24, 33, 25);
    (new QPushButton(QStringLiteral("Convert"), &window))->setGeometry(160, 64, 81, 57);
    (new QLabel(&window))->setGeometry(160, 128, 121, 41);
    auto *combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->setGeometry(24, 184, 209, 21);
    (new QLabel(QStringLiteral("Version      1.0"), &window))->setGeometry(248, 184, 41, 25);
    (new QLabel(QStringLiteral("tessaly@example.org"), &window))->setGeometry(184, 216, 113, 25);
    (new QPushButton(QStringLiteral("Disclaimer"), &window))->setGeometry(16, 216, 73, 25);
    (new QLabel(QStringLiteral("I Accept Disclaimer"), &window))->setGeometry(112, 216, 57, 25);
    (new QCheckBox(&window))->setGeometry(96, 216, 17, 17);

    window.show();
    return QApplication::exec();
}
