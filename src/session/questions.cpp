// The yes/no question of the log procedures.
#include "session/questions.hpp"

namespace loxar {

bool ask(Session& s, const Text& question) {
    s.dialog.question_number = 9;
    s.dialog.question_text = question;
    s.ui().igen_nem(s.dialog);
    return s.dialog.dialog_answer == "OK";
}

}  // namespace loxar
