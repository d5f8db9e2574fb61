#include "ui/qt/qt_message_box.h"

#include "ui/qt/fonts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace tessaly {
namespace {

TEST(QtMessageBoxTest, IsModalWithTheTitlePromptAndOneOkButton)
{
    QWidget owner;
    owner.show();
    QString title;
    QString text;
    QString okName;
    QMessageBox::Icon icon = QMessageBox::Warning;
    qsizetype buttons = 0;
    bool modal = false;
    QFont font;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        modal = box->isModal();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        font = box->font();
        okName = QAccessible::queryAccessibleInterface(box->button(QMessageBox::Ok))
                     ->text(QAccessible::Name);
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageBox(&owner).show("Please Read and Check the Disclaimer");

    EXPECT_TRUE(modal);
    EXPECT_EQ(title, "Tessaly");
    EXPECT_EQ(text, "Please Read and Check the Disclaimer");
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(okName, "OK");
    // In the windows' own font, not the desktop's.
    EXPECT_EQ(font, windowFont());
}

} // namespace
} // namespace tessaly
