#include "ui/qt/result_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>

namespace tessaly {

namespace {

// A notification whose name is the result: what Orca speaks when it shows, rather than the text
// editor the label is built on.
class ResultLabelAccessible : public QAccessibleWidget
{
public:
    explicit ResultLabelAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Notification)
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

void installResultAccessible()
{
    QAccessible::installFactory(accessibleFor);
}

ResultLabel::ResultLabel(QWidget *parent)
    : QTextEdit(parent)
{
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
    return toPlainText();
}

void ResultLabel::showFitted(const QString &text, double points, std::optional<int> wrapWidth)
{
    QFont fitted = font();
    fitted.setPointSizeF(points);
    document()->setDefaultFont(fitted);
    if (wrapWidth) {
        // Only the drawing wraps, anywhere, at a width that holds all before the break.
        setWordWrapMode(QTextOption::WrapAnywhere);
        setLineWrapMode(QTextEdit::FixedPixelWidth);
        setLineWrapColumnOrWidth(*wrapWidth);
    } else {
        setLineWrapMode(QTextEdit::NoWrap);
    }
    const bool renamed = text != toPlainText();
    setPlainText(text);
    if (renamed) {
        // Its name is its text: a screen reader that keeps names hears that it changed.
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

double ResultLabel::widthOf(const QString &text, double points) const
{
    QFont face = font();
    face.setPointSizeF(points);
    return QFontMetricsF(face, viewport()).horizontalAdvance(text);
}

int ResultLabel::room() const
{
    return viewport()->width();
}

void ResultLabel::changeEvent(QEvent *event)
{
    QTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        emit roomChanged();
}

void ResultLabel::resizeEvent(QResizeEvent *event)
{
    QTextEdit::resizeEvent(event);
    emit roomChanged();
}

} // namespace tessaly
