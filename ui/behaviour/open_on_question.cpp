#include "ui/behaviour/open_on_question.h"

#include "core/pair_label.h"
#include "core/question.h"
#include "runtime/message_box.h"

namespace tessaly {

void openOnQuestion(std::string_view question, QuestionPort &window, MessageBox &messageBox)
{
    const Question asked = readQuestion(question);
    if (asked.rule == nullptr) {
        std::string why = "Tessaly cannot read this question: " + asked.refusal;
        if (!why.ends_with('?'))
            why += '.';
        messageBox.show(why);
        return;
    }
    window.fillIn(asked.from->category, PairLabel(asked.rule->source, asked.rule->target),
        std::string(asked.value.value_or("")));
}

} // namespace tessaly
