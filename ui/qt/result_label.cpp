#include "ui/qt/result_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QMimeData>

#include <algorithm>
#include <cmath>

namespace tessaly {

namespace {

// Reads like a label to assistive technology, rather than like the text editor it is built on.
class ResultLabelAccessible : public QAccessibleWidget
{
public:
    explicit ResultLabelAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::StaticText)
    { }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const ResultLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(ResultLabel::staticMetaObject.className())
        && object->isWidgetType())
        return new ResultLabelAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

ResultLabel::ResultLabel(QWidget *parent)
    : QTextEdit(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::ClickFocus);
    setTabChangesFocus(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Lines break only where fit() puts a break.
    setLineWrapMode(QTextEdit::NoWrap);
    document()->setDocumentMargin(0);
    viewport()->setAutoFillBackground(false);
    viewport()->setCursor(Qt::IBeamCursor);
}

QString ResultLabel::text() const
{
    return m_text;
}

void ResultLabel::setText(const QString &text)
{
    m_text = text;
    fit();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void ResultLabel::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fit();
}

void ResultLabel::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    fit();
}

QMimeData *ResultLabel::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(textCursor().selectedText().remove(QChar::LineSeparator));
    return data;
}

void ResultLabel::fit()
{
    const qreal room = viewport()->width();
    const qreal largest = font().pointSizeF();
    const qreal smallest = std::min(
        largest, parentWidget() != nullptr ? parentWidget()->font().pointSizeF() : largest);
    QFont fitted = font();
    const auto width = [&](const QString &text) {
        return QFontMetricsF(fitted, viewport()).horizontalAdvance(text);
    };
    // Widths grow nearly in proportion to the size, so the first guess is close; hinting can
    // make it a little too wide, and half a point at a time finds the size that fits.
    constexpr qreal step = 0.5;
    if (width(m_text) > room) {
        qreal size = std::max(smallest, std::floor(largest * room / width(m_text) / step) * step);
        fitted.setPointSizeF(size);
        while (width(m_text) > room && size > smallest) {
            size = std::max(smallest, size - step);
            fitted.setPointSizeF(size);
        }
    }

    QString shown = m_text;
    const qsizetype exponent = m_text.indexOf(QLatin1Char('E'));
    if (width(m_text) > room && exponent > 0)
        shown.insert(exponent, QChar::LineSeparator);
    document()->setDefaultFont(fitted);
    setPlainText(shown);
}

} // namespace tessaly
