#include "ui/qt/qt_message_box.h"

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
    box.exec();
}

} // namespace tessaly
