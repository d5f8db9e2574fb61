#ifndef TESSALY_UI_QT_FORM2_H
#define TESSALY_UI_QT_FORM2_H

#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace tessaly {

// The disclaimer window: one fixed text, no actions.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

private:
    QLabel *Label1;
};

} // namespace tessaly

#endif
