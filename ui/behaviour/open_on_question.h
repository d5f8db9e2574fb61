#ifndef TESSALY_UI_BEHAVIOUR_OPEN_ON_QUESTION_H
#define TESSALY_UI_BEHAVIOUR_OPEN_ON_QUESTION_H

#include "core/category.h"

#include <string>
#include <string_view>

namespace tessaly {

class MessageBox;

// A main window that can be opened on a question, as the page is from its address (?q=).
class QuestionPort
{
public:
    virtual ~QuestionPort() = default;

    // Chooses the category's option, writes the pair into Combo1's field and the value, as
    // typed, into Text1.
    virtual void fillIn(Category category, const std::string &pair, const std::string &value) = 0;
};

// Fills the window in from a question, and converts nothing: the disclaimer's box stays as it
// is, so that a link never converts by itself. A question that cannot be read leaves the window
// as it is, and the message box says why, naming the word.
void openOnQuestion(std::string_view question, QuestionPort &window, MessageBox &messageBox);

} // namespace tessaly

#endif
