// Placeholder definitions; replaced by the duplicate search.
#include "core/duplicates.hpp"

namespace loxar {

void dupla_qso_ellenorzes(Session&) {}
void SWL_dupla_qso_ellenorzes(Session&) {}
void live_duplicate_search(Session&) {}
short dupla_ellenorzes(Session&) { return 0; }
void dupla_osszeszamolas(Session&) {}
void sorszam_ellenorzes(Session&) {}
void talalt_log_lista_DblClick(Session&, long) {}

}  // namespace loxar
