// Placeholder definitions; replaced by QSO editing.
#include "core/qso_edit.hpp"

namespace loxar {

void log_lista_DblClick(Session&) {}
void edit_cmd_Click(Session&) {}
void edit_sorszam_text_GotFocus(Session&) {}
void edit_sorszam_text_KeyPress(Session&) {}
void log_felulir_cmd_Click(Session&) {}
void QSO_torol_cmd_Click(Session&) {}
void log_lista_shift_delete(Session&) {}
void log_lista_KeyPress(Session&, char) {}

}  // namespace loxar
