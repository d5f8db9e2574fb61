#ifndef TESSALY_UI_RESULT_LABEL_H
#define TESSALY_UI_RESULT_LABEL_H

#include <QTextEdit>

namespace tessaly {

// A label for the result that breaks a text too wide for it at any character, so that no digit of
// a long number is ever cut off, and that lets the user select and copy the result. Screen
// readers see a static text whose name is the result.
class ResultLabel : public QTextEdit
{
    Q_OBJECT

public:
    explicit ResultLabel(QWidget *parent = nullptr);

    [[nodiscard]] QString text() const;
    void setText(const QString &text);
};

} // namespace tessaly

#endif
