#ifndef TESSALY_CORE_CONVERT_COMMAND_H
#define TESSALY_CORE_CONVERT_COMMAND_H

#include <string_view>

namespace tessaly {

class MainWindowView;
class MessageBox;

inline constexpr std::string_view disclaimerPrompt = "Please Read and Check the Disclaimer";

// The Convert button. With the disclaimer unticked it shows disclaimerPrompt and touches nothing
// else. Otherwise it clears the result, reads the pair once, and when a rule matches and the
// input reads as a number, shows the converted value. An unknown pair or an input that is not a
// number leaves the result empty, without a message. True where the result was set anew, so that
// a window can tell its user of it.
bool ConvertCommand(MainWindowView &view, MessageBox &messageBox);

} // namespace tessaly

#endif
