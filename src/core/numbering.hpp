// Log sequence numbers: worked out from the lines in the log, never stored elsewhere.
#pragma once

#include "core/session.hpp"

namespace loxar {

// The largest numeric log sequence number (columns 87-91) of the lines; 0 for none.
long largest_log_number(const ListBox& log);
// Fills log_sorszam_text and the sent serial for the next QSO.
void kovetkezo_sorszam_rutin(Session& s);
// Renumbers every line 1..N in list order.
void sorszamozas(Session& s);

}  // namespace loxar
