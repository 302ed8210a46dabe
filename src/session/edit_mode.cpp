// Entering and leaving edit mode.
#include "session/edit_mode.hpp"

#include "session/session.hpp"

namespace loxar {

void szerkesztes_mod_bekapcsolas(Session& s) {
    // Restoring another line while already editing must not overwrite the held switches with the
    // "off" values of edit mode, or leaving it would never switch real time back on.
    if (!s.edit_mode) {
        s.saved_real_time = s.real_time_check;
        s.saved_auto_lookup = s.automata_check;
    }
    s.real_time_check = false;
    s.automata_check = false;
    s.edit_mode = true;
}

void szerkesztes_mod_kikapcsolas(Session& s) {
    // Outside edit mode the held values are stale; the live switches are the operator's.
    if (s.edit_mode) {
        s.real_time_check = s.saved_real_time;
        s.automata_check = s.saved_auto_lookup;
    }
    s.view[Control::edit_sorszam_text].back = Color::Default;
    s.edit_mode = false;
    s.qso.edit_sorszam_text = "00000";
}

}  // namespace loxar
