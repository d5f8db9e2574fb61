#ifndef TESSALY_RUNTIME_MESSAGE_BOX_H
#define TESSALY_RUNTIME_MESSAGE_BOX_H

#include <string>

namespace tessaly {

// The program's way of telling the user something: a modal box with the prompt, one OK button
// and the application's title. show() returns once the user has dismissed it.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string &prompt) = 0;
};

} // namespace tessaly

#endif
