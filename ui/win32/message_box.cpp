#include "ui/win32/message_box.h"

#include "ui/win32/utf16.h"

namespace tessaly::win32 {

void SystemMessageBox::show(const std::string &prompt)
{
    MessageBoxW(m_owner, widen(prompt).c_str(), widen(TESSALY_NAME).c_str(), MB_OK);
}

} // namespace tessaly::win32
