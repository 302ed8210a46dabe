// The yes/no question of the procedures, their refusal and their warning of a file not written.
#include "session/questions.hpp"

#include "model/file_io.hpp"

namespace loxar {

bool ask(Session& s, const Text& question) {
    s.dialog.question_number = Question::FreeText;
    s.dialog.question_text = question;
    s.ui().igen_nem(s.dialog);
    return s.dialog.dialog_answer == "OK";
}

void alert(Session& s, const Text& text) {
    s.ui().beep();
    s.ui().message(text);
}

void report_not_saved(Session& s, const Text& name) {
    alert(s, hu(u8"Nem sikerült menteni: ") + name);
}

void report_not_saved(Session& s, const std::filesystem::path& path) {
    report_not_saved(s, text_path(path));
}

}  // namespace loxar
