// The statistics chart's numbers from the log lines.
#include "statistics/statistics.hpp"

namespace loxar {

StatisticsState statistics_state(const std::vector<Text>& lines, ContestType type) {
    StatisticsState st;
    const LineLayout layout = layout_of(type);
    st.per_hour = qsos_per_hour(lines, layout);
    st.rates = run_rates(lines, layout);
    if (has_distance_histogram(type)) st.distance_bins = distance_histogram(lines);
    return st;
}

}  // namespace loxar
