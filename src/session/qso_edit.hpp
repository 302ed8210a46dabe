// Editing and deleting logged QSOs.
#pragma once

#include "session/session.hpp"

namespace loxar {

// Double click in the log list or "QSO szerkesztés": the selected QSO goes into the entry fields.
void log_lista_DblClick(Session& s);
void edit_cmd_Click(Session& s);
// Click on the blinking number field: edit mode ends without a change.
void edit_sorszam_text_GotFocus(Session& s);
// A key typed into the number field is only a beep.
void edit_sorszam_text_KeyPress(Session& s);
// Overwrites the edited QSO.
void log_felulir_cmd_Click(Session& s);
// Deletes the first selected QSO after a question.
void QSO_torol_cmd_Click(Session& s);
// Shift+Delete in the log list: every selected QSO goes, without a question.
void log_lista_shift_delete(Session& s);
// A character typed into the log list: "M" shows the log menu.
void log_lista_KeyPress(Session& s, char c);

}  // namespace loxar
