// The statistics button and the save of its page, on the session.
#pragma once

#include "session/session.hpp"
#include "statistics/statistics.hpp"

namespace loxar {

// The statistics button: the page of the selected contest type in list 0 of the panel, the chart
// and the map beside it.
void statisztika_cmd_Click(Session& s);
// The panel's "Mentés" button on this page: the list into a chosen ".lst" file in TEMP.
void statisztika_mentes_Click(Session& s);
// The panel's "Térkép" button: the map in place of the page and chart, or back.
void statisztika_terkep_Click(Session& s);
// "Mentés" while the map shows: the picture the window drew, as PNG and SVG, under one name the
// operator chooses in TEMP ("terkep" gives terkep.png and terkep.svg).
void terkep_mentes(Session& s, const Text& png, const Text& svg);

}  // namespace loxar
