#include "ui/qt/form2.h"

#include "ui/behaviour/form2_height.h"
#include "ui/layout/form2_layout.h"
#include "ui/qt/fonts.h"
#include "ui/qt/qt_geometry.h"

#include <QLabel>

namespace tessaly {

Form2::Form2(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(toQString(form2::title));
    setFont(windowFont());

    Label1 = new QLabel(toQString(form2::Label1.caption), this);
    Label1->setObjectName(toQString(form2::Label1.name));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(toQRect(form2::Label1.rect));

    const QRect client = toQRect(form2::clientArea);
    resize(client.width(),
        form2ClientHeight(client.height(), Label1->y(), Label1->heightForWidth(Label1->width())));
}

} // namespace tessaly
