// Re-evaluation: every QSO's points and marker worked out again in log order.
#pragma once

#include "rules/reevaluation.hpp"
#include "session/session.hpp"

namespace loxar {

// Works out every line's points and marker again, in log order, as entering the QSOs in that
// order would, and recomputes the total. The worked marks and key lists are left as the last line
// left them, so the entry goes on from there. A general line without a distance ("--/--", as an
// import writes it) of a distance-scored type gets the distance of its locators.
void log_ujraertekeles(Session& s);

}  // namespace loxar
