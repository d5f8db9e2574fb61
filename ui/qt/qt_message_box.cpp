#include "ui/qt/qt_message_box.h"

#include "ui/qt/fonts.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace tessaly {

QtMessageBox::QtMessageBox(QWidget *parent)
    : m_parent(parent)
{ }

void QtMessageBox::show(const std::string &prompt)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
        QString::fromStdString(prompt), QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    // A window of its own, it would otherwise take the desktop's font rather than the windows'.
    box.setFont(windowFont());
    box.exec();
}

} // namespace tessaly
