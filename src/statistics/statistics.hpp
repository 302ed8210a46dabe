// The statistics button and its page in the multi-purpose panel, saved from there into TEMP.
#pragma once

#include "session/session.hpp"
#include "statistics/statistics_page.hpp"

namespace loxar {

// panel_mode while the statistics page owns the multi-purpose panel.
inline constexpr short kStatisticsMode = 1;

// The chart's numbers for the lines of a contest type.
StatisticsState statistics_state(const std::vector<Text>& lines, ContestType type);

// The statistics button: the page of the selected contest type in list 0 of the panel.
void statisztika_cmd_Click(Session& s);
// The panel's "Mentés" button on this page: the list into a chosen ".lst" file in TEMP.
void statisztika_mentes_Click(Session& s);

}  // namespace loxar
