// The statistics button and the save of its page, on the session.
#pragma once

#include "session/session.hpp"
#include "statistics/statistics.hpp"

namespace loxar {

// The statistics button: the page of the selected contest type in list 0 of the panel.
void statisztika_cmd_Click(Session& s);
// The panel's "Mentés" button on this page: the list into a chosen ".lst" file in TEMP.
void statisztika_mentes_Click(Session& s);

}  // namespace loxar
