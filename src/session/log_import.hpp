// Log import in the session's multi-purpose panel: read, convert, copy, append, save.
#pragma once

#include "exchange/log_import.hpp"
#include "session/session.hpp"

namespace loxar {

// Panel procedures (panel_mode 3).
void import_rutin(Session& s);
void import_beolvasas(Session& s);
void import_feldolgozas(Session& s);
void import_bemasolas(Session& s);
void import_hozzafuzes(Session& s);
void import_mentes(Session& s);
// The five buttons vegyes_cmd 0-4 while the panel serves the import.
void import_vegyes_cmd_Click(Session& s, int index);

void import_inditas(Session& s);

}  // namespace loxar
