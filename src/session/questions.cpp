// The yes/no question of the log procedures and their warning of a file not written.
#include "session/questions.hpp"

#include "model/file_io.hpp"

namespace loxar {

bool ask(Session& s, const Text& question) {
    s.dialog.question_number = 9;
    s.dialog.question_text = question;
    s.ui().igen_nem(s.dialog);
    return s.dialog.dialog_answer == "OK";
}

void report_not_saved(Session& s, const std::filesystem::path& path) {
    s.ui().beep();
    s.ui().message(hu(u8"Nem sikerült menteni: ") + text_path(path));
}

}  // namespace loxar
