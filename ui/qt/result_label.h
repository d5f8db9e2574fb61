#ifndef TESSALY_UI_QT_RESULT_LABEL_H
#define TESSALY_UI_QT_RESULT_LABEL_H

#include <QTextEdit>

#include <optional>

namespace tessaly {

// The result as drawn: its whole text, selectable and copyable, at the size and with the break
// that the window's shared fit gives it. It keeps no result of its own, and says when the room
// for one has changed. Screen readers see a notification named by the result.
class ResultLabel : public QTextEdit
{
    Q_OBJECT

public:
    explicit ResultLabel(QWidget *parent = nullptr);

    [[nodiscard]] QString text() const;
    // Draws text at points, on one line or, given a width, wrapped at that width.
    void showFitted(const QString &text, double points, std::optional<int> wrapWidth);
    // A text's width in the label's face at points, in pixels, and the width it has for one line.
    [[nodiscard]] double widthOf(const QString &text, double points) const;
    [[nodiscard]] int room() const;

signals:
    void roomChanged();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

// How screen readers see every ResultLabel; Qt asks for that at a widget's first accessibility
// event, so this comes before the first window is made.
void installResultAccessible();

} // namespace tessaly

#endif
