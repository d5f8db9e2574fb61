#include "ui/qt/result_label.h"

#include "ui/behaviour/result_fit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>

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

void ResultLabel::fit()
{
    const auto width = [this](std::string_view text, double points) {
        QFont font = this->font();
        font.setPointSizeF(points);
        return QFontMetricsF(font, viewport())
            .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    const std::string result = m_text.toStdString();
    const ResultFit fit = fitResult(result, viewport()->width(), width);
    QFont fitted = font();
    fitted.setPointSizeF(fit.points);
    document()->setDefaultFont(fitted);
    if (fit.breakBefore == std::string::npos) {
        setLineWrapMode(QTextEdit::NoWrap);
    } else {
        // The text stays whole; only its drawing wraps, anywhere, at a width that holds all
        // before the break and not one letter more.
        setWordWrapMode(QTextOption::WrapAnywhere);
        setLineWrapMode(QTextEdit::FixedPixelWidth);
        setLineWrapColumnOrWidth(
            static_cast<int>(std::ceil(width(result.substr(0, fit.breakBefore), fit.points))) + 1);
    }
    setPlainText(m_text);
}

} // namespace tessaly
