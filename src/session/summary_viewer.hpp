// The "Összesítő" panel's procedures on the session: its file, its search and a QSO's counterpart.
#pragma once

#include "database/summary_viewer.hpp"

namespace loxar {

struct Session;

void osszesito_beolvasas_cmd_Click(Session& s);
void osszesito_kereso_rutin(Session& s);
void osszesito_lista_DblClick(Session& s, long index);
// A key typed into the search field: Enter searches (swallowed: true); any other character is
// upper-cased and folded in `c`.
bool kereses_text_key(Session& s, char& c);

}  // namespace loxar
