// QSO entry: the keys of the entry fields, their events, leaving the callsign, adding a QSO.
#pragma once

#include <optional>
#include <string_view>

#include "session/session.hpp"

namespace loxar {

// What a typed key becomes in a field of the log panel (upper case, accented capitals folded in
// the text fields); '\0' when the field refuses it. `control` is the field.
char entry_char(Control control, char c);
// The field Space moves to from `control` for the contest type; nothing when it stays.
std::optional<Control> space_target(ContestType type, Control control);
// A key typed into a field of the log panel (Enter is '\r', Space ' '). Returns true when the key
// is swallowed (a refused character beeps); otherwise `c` holds the character the field should take.
bool entry_key_press(Session& s, Control control, char& c);
// Keys of the received-sex selector: Enter adds, N, F and "." choose. True when swallowed.
bool kapott_sex_combo_KeyPress(Session& s, char c);

// Events of the entry fields.
void entry_field_got_focus(Session& s, Control control);
// `moves_focus`: the field is left by the keyboard (Tab), so its rule may send the focus on; a
// mouse click or a Space move keeps the place the operator chose.
void entry_field_lost_focus(Session& s, Control control, bool moves_focus);
void entry_field_changed(Session& s, Control control);
// The label buttons beside the fields.
void entry_label_cmd_Click(Session& s, Control button);
void OM_cmd_Click(Session& s);
void YL_cmd_Click(Session& s);
void csere_cmd_Click(Session& s);

// Leaving the callsign field: lookups and the contest-specific prefills.
void kapott_hivojel_text_LostFocus(Session& s);

// 1 when the QSO record may be logged; 0 after the message listing every fault.
short QSO_adat_vizsgalat(Session& s);
// Enter, or the "Hozzáad" button.
void hozzaadas_rutin(Session& s);
void log_hozzaad_cmd_Click(Session& s);
// Clears the entry fields for the next QSO.
void torles_rutin(Session& s);

// The working save of the current band after every change of the log.
std::filesystem::path band_save_path(const Session& s);

// The line of the session's QSO record in the layout of the selected contest type.
Text build_log_line(Session& s, short& funkcio);

}  // namespace loxar
