#include "form1_fixture.h"
#include "ui/layout/form2_layout.h"
#include "ui/qt/form2.h"
#include "ui/qt/qt_geometry.h"

#include <QApplication>
#include <QLabel>

namespace tessaly {
namespace {

using Form2Test = Form1Fixture;

TEST_F(Form2Test, ShowsTheOneDisclaimerWindowWithItsWholeText)
{
    click(command2());
    click(command2());
    Form2 *disclaimer = form_->form2();
    ASSERT_NE(disclaimer, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(disclaimer));
    EXPECT_EQ(disclaimerWindows(), 1);
    EXPECT_EQ(disclaimer->windowTitle(), "Disclaimer");
    EXPECT_EQ(disclaimer->parentWidget(), nullptr);
    EXPECT_FALSE(disclaimer->isModal());
    EXPECT_EQ(disclaimer->width(), toQRect(form2::clientArea).width());
    EXPECT_GE(disclaimer->height(), toQRect(form2::clientArea).height());

    auto *text = disclaimer->findChild<QLabel *>("Label1");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text().startsWith("This is Freeware, by accepting the disclaimer"));
    EXPECT_TRUE(text->text().endsWith("including possible calculation mistakes."));
    EXPECT_EQ(text->geometry(), toQRect(form2::Label1.rect));
    EXPECT_LE(text->y() + text->heightForWidth(text->width()), disclaimer->height());
}

TEST_F(Form2Test, ComesBackAfterClosingAndLeavesTheMainWindowWorking)
{
    click(command2());
    Form2 *disclaimer = form_->form2();
    ASSERT_NE(disclaimer, nullptr);
    disclaimer->close();
    EXPECT_FALSE(disclaimer->isVisible());
    click(command2());
    EXPECT_EQ(form_->form2(), disclaimer);
    EXPECT_TRUE(disclaimer->isVisible());

    combo1()->setEditText(QStringLiteral("Miles to Yards"));
    text1()->setText(QStringLiteral("2"));
    click(check1());
    click(command1());
    EXPECT_EQ(label1()->text(), "3520");
}

TEST_F(Form2Test, ClosingTheMainWindowClosesEverything)
{
    click(command2());
    ASSERT_NE(form_->form2(), nullptr);
    ASSERT_TRUE(form_->close());
    EXPECT_FALSE(form_->isVisible());
    EXPECT_FALSE(form_->form2()->isVisible());
}

} // namespace
} // namespace tessaly
