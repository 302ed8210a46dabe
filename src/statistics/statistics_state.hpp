// What the statistics page keeps between its button and the chart beside the page.
#pragma once

#include <vector>

#include "statistics/activity.hpp"

namespace loxar {

struct StatisticsState {
    HourlyCounts per_hour;
    RunRates rates;
    std::vector<long> distance_bins;  // empty for contests without distances
};

}  // namespace loxar
