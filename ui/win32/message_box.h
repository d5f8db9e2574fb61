#ifndef TESSALY_UI_WIN32_MESSAGE_BOX_H
#define TESSALY_UI_WIN32_MESSAGE_BOX_H

#include "runtime/message_box.h"
#include "ui/win32/windows_api.h"

namespace tessaly::win32 {

// The system's message box, titled with the program's name, OK only, modal to its owner.
class SystemMessageBox final : public MessageBox
{
public:
    explicit SystemMessageBox(HWND owner)
        : m_owner(owner)
    { }

    void show(const std::string &prompt) override;

private:
    HWND m_owner;
};

} // namespace tessaly::win32

#endif
