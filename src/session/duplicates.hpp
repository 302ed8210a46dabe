// Duplicate detection: the live search while a callsign is typed and the final check of a log.
#pragma once

#include "session/session.hpp"

namespace loxar {

// Refills talalt_log_lista with the earlier QSOs of the typed callsign on the current band, and
// shows or hides it (the view of Control::talalt_log_lista).
void dupla_qso_ellenorzes(Session& s);
// The same for the two heard stations of a listener's log.
void SWL_dupla_qso_ellenorzes(Session& s);
// The search that fits the contest type (SWL or not).
void live_duplicate_search(Session& s);
// True when no callsign repeats on a band (after its message); false once the first repeat is shown.
[[nodiscard]] bool dupla_ellenorzes(Session& s);
// Flags the lines the operator marked with "D" (duplicate_flags).
void dupla_osszeszamolas(Session& s);
// Checks that the sent serials run 1, 2, 3 ...; reports the first break.
void sorszam_ellenorzes(Session& s);
// Double click on a found line: the same line is selected in the log list.
void talalt_log_lista_DblClick(Session& s, long index);

}  // namespace loxar
