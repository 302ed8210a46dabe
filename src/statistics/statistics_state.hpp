// What the statistics page keeps between its button and the chart and map beside the page.
#pragma once

#include <cstdint>
#include <vector>

#include "statistics/activity.hpp"
#include "statistics/map_data.hpp"

namespace loxar {

struct StatisticsState {
    HourlyCounts per_hour;
    RunRates rates;
    std::vector<long> distance_bins;  // empty for contests without distances
    MapData map;                      // the map of the worked stations
    bool map_shown = false;           // the map fills the panel instead of the page and chart
    std::uint64_t page = 0;           // counts the pages built, so the window takes each new one once
};

}  // namespace loxar
