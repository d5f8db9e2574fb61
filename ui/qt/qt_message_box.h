#ifndef TESSALY_UI_QT_QT_MESSAGE_BOX_H
#define TESSALY_UI_QT_QT_MESSAGE_BOX_H

#include "runtime/message_box.h"

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace tessaly {

// A real modal message box over the given window: no icon, the application's display name as
// its title, the prompt and one OK button.
class QtMessageBox final : public MessageBox
{
public:
    explicit QtMessageBox(QWidget *parent);

    void show(const std::string &prompt) override;

private:
    QWidget *m_parent;
};

} // namespace tessaly

#endif
