#ifndef TESSALY_UI_QT_RESULT_LABEL_H
#define TESSALY_UI_QT_RESULT_LABEL_H

#include <QTextEdit>

namespace tessaly {

// A label for the result, fitted as every front end fits it: whole on one line in the largest
// size that fits, down to the window's font, and only past that drawn over two lines, before the
// exponent. Its text is always the whole result, as the user selects and copies it. Screen
// readers see a static text whose name is the result.
class ResultLabel : public QTextEdit
{
    Q_OBJECT

public:
    explicit ResultLabel(QWidget *parent = nullptr);

    [[nodiscard]] QString text() const;
    void setText(const QString &text);

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Lays the text out again for the label's font and width.
    void fit();

    QString m_text;
};

} // namespace tessaly

#endif
