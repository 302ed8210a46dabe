// Edit mode: while a logged QSO is being corrected, real-time timing and the database lookup rest.
#pragma once

namespace loxar {

struct Session;

// Holds the real-time and lookup switches, turns both off, edit_mode on.
void szerkesztes_mod_bekapcsolas(Session& s);
// Gives both switches back, edit_mode off, the edited number field back to "00000".
void szerkesztes_mod_kikapcsolas(Session& s);

}  // namespace loxar
