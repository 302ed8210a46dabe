// What each QSO of the log earned and why: the line under the log for the selected QSO, and the
// whole log's explanation for loxar-cli.
#pragma once

#include <vector>

#include "rules/score_explanation.hpp"
#include "session/session.hpp"

namespace loxar {

// The rule file, the country and oblast tables and the data sheet's multipliers of the session.
ExplainRules explain_rules(const Session& s);

// The selection in the log moved: the label under it explains the QSO at the cursor (empty when
// there is none).
void log_lista_kijeloles(Session& s);

// One line per QSO, then the totals, as the log stands.
std::vector<Text> score_explanation(const Session& s);

}  // namespace loxar
