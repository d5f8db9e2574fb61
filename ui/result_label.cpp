#include "ui/result_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

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
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDocumentMargin(0);
    viewport()->setAutoFillBackground(false);
    viewport()->setCursor(Qt::IBeamCursor);
}

QString ResultLabel::text() const
{
    return toPlainText();
}

void ResultLabel::setText(const QString &text)
{
    setPlainText(text);
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace tessaly
