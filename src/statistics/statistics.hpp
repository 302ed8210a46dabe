// The statistics page's panel mode and the numbers of the chart beside it.
#pragma once

#include <vector>

#include "model/contest_types.hpp"
#include "statistics/statistics_page.hpp"
#include "statistics/statistics_state.hpp"
#include "text/text.hpp"

namespace loxar {

// The chart's numbers for the lines of a contest type.
StatisticsState statistics_state(const std::vector<Text>& lines, ContestType type);

}  // namespace loxar
