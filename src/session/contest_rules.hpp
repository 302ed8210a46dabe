// Contest types on the session: the entry-field layouts, the rule file read, the multipliers.
#pragma once

#include "rules/contest_rules.hpp"
#include "session/session.hpp"

namespace loxar {

// Puts every entry field back to its default layout and captions.
void beviteli_mezo_inic(Session& s);
// Runs whenever the contest type changes.
void szabaly_combo_Click(Session& s);
// Reads rule_file_name into rule_values.
void szabaly_beolvasas(Session& s);
// Band multiplier from the contest type and the current band.
void frekisav_szorzo_rutin(Session& s);
// Multiplier field and default reports after a change of mode or band.
void mod_szorzo_rutin(Session& s);
// The EXCHANGE contest computes no distance or points.
void special_szabaly_szamolas(Session& s);
// Heading of the YL-OM result list.
void yl_label_toltes(Session& s);

}  // namespace loxar
