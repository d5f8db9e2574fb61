#ifndef TESSALY_UI_QT_RESULT_LABEL_H
#define TESSALY_UI_QT_RESULT_LABEL_H

#include <QTextEdit>

namespace tessaly {

// A label for the result that shows every number on one line, whole: in its own font when the
// number fits, otherwise in the largest size that fits, down to the window's font; only past
// that does it break the number, before its exponent and never inside the digits. The user can
// select and copy the result, which copies the number without the break. Screen readers see a
// static text whose name is the result.
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
    [[nodiscard]] QMimeData *createMimeDataFromSelection() const override;

private:
    // Lays the text out again for the label's font and width.
    void fit();

    QString m_text;
};

} // namespace tessaly

#endif
