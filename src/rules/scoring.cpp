// Placeholder definitions; replaced by the scoring.
#include "rules/scoring.hpp"

namespace loxar {

bool country_marked(const Session&, int, int) { return false; }
void mark_country(Session&, int, int) {}
bool oblast_marked(const Session&, int, int) { return false; }
void mark_oblast(Session&, int, int) {}
bool has_multiplier_key(const Session&, const Text&) { return false; }
void add_multiplier_key(Session&, const Text&) {}
void multiplier_prefill(Session&) {}
Text hskc_key(const Text&) { return {}; }
void NMARK_pont_szamolas(Session&) {}
void SKM_ertekeles(Session&, Text& result) { result = "--/--"; }
void RHOB_label_toltes(Session&) {}
void edi_calculate_rutin(Session&) {}
void CQWW_eredmeny_kiszamolas(Session&) {}
void ujraszamolas_cmd_Click(Session&) {}

}  // namespace loxar
