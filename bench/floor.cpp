// The floor Tessaly is measured against: the smallest Qt Widgets program that shows a window of
// Tessaly's size with the same kinds of controls and the same captions, and does nothing else.
#include "ui/layout/form1_layout.h"
#include "ui/qt/qt_geometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tessaly;

namespace {

QWidget *create(const form1::Control &control, QWidget *parent)
{
    const QString caption = toQString(control.caption);
    switch (control.kind) {
    case form1::Kind::Frame:
        return new QGroupBox(caption, parent);
    case form1::Kind::OptionButton:
        return new QRadioButton(caption, parent);
    case form1::Kind::TextBox:
        return new QLineEdit(parent);
    case form1::Kind::CommandButton:
        return new QPushButton(caption, parent);
    case form1::Kind::ComboBox: {
        auto *combo = new QComboBox(parent);
        combo->setEditable(true);
        return combo;
    }
    case form1::Kind::CheckBox:
        return new QCheckBox(parent);
    case form1::Kind::Label:
    case form1::Kind::ResultLabel:
        break;
    }
    return new QLabel(caption, parent);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tessaly"));
    window.resize(toQRect(form1::clientArea).size());

    QHash<QString, QWidget *> frames;
    for (const form1::Control &control : form1::controls) {
        QWidget *parent
            = control.parent.empty() ? &window : frames.value(toQString(control.parent));
        QWidget *widget = create(control, parent);
        widget->setGeometry(toQRect(control.rect));
        if (control.kind == form1::Kind::Frame)
            frames.insert(toQString(control.name), widget);
    }

    window.show();
    return QApplication::exec();
}
