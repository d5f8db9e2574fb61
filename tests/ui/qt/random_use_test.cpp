#include "form1_fixture.h"
#include "ui/qt/form2.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <random>

namespace tessaly {
namespace {

constexpr int actionCount = 20'000;
constexpr int warmUpActions = 500;
constexpr double allowedGrowthMiB = 5.0;
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed memory in quarantine, so resident memory says nothing about leaks
// there; LeakSanitizer checks them at exit instead.
constexpr bool residentMemoryTellsLeaks = false;
#else
constexpr bool residentMemoryTellsLeaks = true;
#endif

// Nothing when the system does not say.
std::optional<double> residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = status.readAll().split('\n');
    const auto resident = std::find_if(lines.begin(), lines.end(),
        [](const QByteArray &line) { return line.startsWith("VmRSS:"); });
    bool read = false;
    const double kiB = resident == lines.end()
        ? 0
        : resident->mid(6).trimmed().split(' ').front().toDouble(&read);
    if (!read)
        return std::nullopt;
    return kiB / 1024.0;
}

// A result as the window writes one: plain, or with an exponent, or an infinity. What it says is
// the core's to decide, and its own tests'; here only that the window shows a result, whole, or
// nothing.
bool looksLikeAResult(const QString &text)
{
    static const QRegularExpression result(
        QStringLiteral(R"(^-?([0-9]+(\.[0-9]+)?|[0-9](\.[0-9]+)?E[-+][0-9]{2,3}|Infinity)$)"));
    return result.match(text).hasMatch();
}

// Drives the real main window with a long, reproducible stream of what a person can do to it,
// and checks after every step that what it shows still makes sense.
class RandomUseTest : public Form1Fixture
{
protected:
    enum Action {
        PickCategory,
        ChooseFromList,
        TypeIntoPair,
        TypeValue,
        PasteIntoEither,
        EditKeys,
        ToggleDisclaimer,
        Convert,
        ShowDisclaimer,
        CloseDisclaimer,
        ActionKinds
    };

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }

    QString randomText()
    {
        static const QStringList pieces{"0", "1", "2", "5", "9", ".", "e", "E", "+", "-", " ", "\t",
            "\n", "\x01", "\x7f", ",", "a", "Z", "to", " to ", "Meters", "Kelvin",
            QString::fromUtf8("é"), QString::fromUtf8("中"), QString::fromUtf8("😀"),
            QString::fromUtf8("א"), QString::fromUtf8("\u0301"), QString::fromUtf8("\u00a0"),
            QString::fromUtf8("\ufeff"), QString::fromUtf8("１")};
        const int roll = below(100);
        const int length = roll < 80 ? below(12) : roll < 99 ? below(200) : below(3000);
        QString text;
        for (int i = 0; i < length; ++i)
            text += pieces[below(static_cast<int>(pieces.size()))];
        return text;
    }

    // Types text key by key as an input method would deliver it, non-ASCII included. Long texts
    // arrive by pasting; typing them key by key would only make the run slow.
    void type(QWidget *target, const QString &text)
    {
        for (qsizetype i = 0; i < std::min<qsizetype>(text.size(), 200); ++i) {
            QString key(text[i]);
            if (text[i].isHighSurrogate() && i + 1 < text.size())
                key += text[++i];
            QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, key, Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, key, Qt::NoModifier);
        }
    }

    QWidget *eitherBox()
    {
        return below(2) ? static_cast<QWidget *>(combo1()->lineEdit()) : text1();
    }

    void perform(Action action)
    {
        switch (action) {
        case PickCategory:
            click(option(1 + below(3)));
            break;
        case ChooseFromList: {
            QTest::keyClick(combo1(), Qt::Key_F4);
            QAbstractItemView *list = combo1()->view();
            if (combo1()->count() > 0 && below(4) > 0) {
                list->setCurrentIndex(list->model()->index(below(combo1()->count()), 0));
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                QTest::keyClick(list, Qt::Key_Escape);
            }
            combo1()->hidePopup();
            break;
        }
        case TypeIntoPair:
            if (below(2))
                combo1()->lineEdit()->selectAll();
            type(combo1()->lineEdit(), randomText());
            break;
        case TypeValue:
            if (below(2))
                text1()->selectAll();
            // Plain numbers half the time, so conversions do happen.
            type(text1(),
                below(2) ? QString::number(
                    std::uniform_real_distribution<double>(-1e6, 1e6)(random_), 'g', 1 + below(17))
                         : randomText());
            break;
        case PasteIntoEither: {
            QWidget *box = eitherBox();
            QApplication::clipboard()->setText(randomText());
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        case EditKeys: {
            static const Qt::Key keys[]{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,
                Qt::Key_End, Qt::Key_Left, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Up, Qt::Key_Down,
                Qt::Key_Z};
            const Qt::KeyboardModifiers modifiers[]{
                Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
            QTest::keyClick(eitherBox(), keys[below(std::size(keys))], modifiers[below(3)]);
            break;
        }
        case ToggleDisclaimer:
            click(check1());
            break;
        case Convert:
            click(command1());
            break;
        case ShowDisclaimer:
            click(command2());
            break;
        case CloseDisclaimer:
            if (form_->form2() != nullptr)
                form_->form2()->close();
            break;
        case ActionKinds:
            break;
        }
    }

    std::mt19937 random_{20261208};
};

TEST_F(RandomUseTest, TwentyThousandActionsLeaveTheWindowSound)
{
    std::optional<double> residentAfterWarmUp;
    int results = 0;
    for (int step = 0; step < actionCount; ++step) {
        if (step == warmUpActions) {
            residentAfterWarmUp = residentMiB();
            ASSERT_TRUE(residentAfterWarmUp) << "resident memory cannot be read";
        }
        const auto action = static_cast<Action>(below(ActionKinds));
        const bool unticked = !check1()->isChecked();
        const std::size_t messagesBefore = messages_.prompts.size();
        const QString shownBefore = label1()->text();

        perform(action);
        // As the event loop would between two things a person does; popups post their cleanup.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const int items = combo1()->count();
        ASSERT_TRUE(items == 0 || items == 56 || items == 30 || items == 6)
            << "step " << step << ": " << items << " items";
        // Only a Convert with the disclaimer ticked changes the result, to a result or nothing.
        const QString shown = label1()->text();
        if (action == Convert && !unticked) {
            ASSERT_TRUE(shown.isEmpty() || looksLikeAResult(shown))
                << "step " << step << ": " << shown.toStdString();
            results += shown.isEmpty() ? 0 : 1;
        } else {
            ASSERT_EQ(shown, shownBefore) << "step " << step << ", action " << action;
        }
        ASSERT_LE(disclaimerWindows(), 1) << "step " << step;
        const bool expectMessage = action == Convert && unticked;
        ASSERT_EQ(messages_.prompts.size(), messagesBefore + (expectMessage ? 1 : 0))
            << "step " << step << ", action " << action;
    }
    // Most of what growth there is is the line edits' undo history, which keeps every keystroke
    // (about 35 bytes each) for as long as the box lives; runs without typing grow by nothing.
    const std::optional<double> residentAtEnd = residentMiB();
    ASSERT_TRUE(residentAtEnd) << "resident memory cannot be read";
    const double growth = *residentAtEnd - *residentAfterWarmUp;
    std::cout << "[ RANDOM   ] " << actionCount << " actions, " << messages_.prompts.size()
              << " disclaimer messages, " << results << " results checked, resident memory grew "
              << growth << " MiB after " << warmUpActions << " warm-up actions\n";
    RecordProperty("actions", actionCount);
    if (residentMemoryTellsLeaks) {
        EXPECT_LT(growth, allowedGrowthMiB);
    }
}

} // namespace
} // namespace tessaly
