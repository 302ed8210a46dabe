// The chart's numbers: QSOs per hour across a day change and a gap, run rates, distance bins.
#include "statistics/activity.hpp"

#include <gtest/gtest.h>

#include "support/sample_lines.hpp"

namespace loxar {
namespace {

Text at(const Text& date_time, const Text& band = "145 MHz", const Text& dist = "10") {
    return testing::line_of(ContestType::Iaru,
                            {.time = date_time, .call = "HA5AA", .dist = dist, .band = band});
}

TEST(Activity, HoursBandsRatesAndDistances) {
    const std::vector<Text> lines = {
        at("2024-05-04/23:10:00", "435 MHz"),         at("2024-05-04/23:59:59"),
        at("2024-05-05/01:00:00", "145 MHz", "99"),   at("2024-05-05/01:05:00", "145 MHz", "100"),
        at("2024-05-05/01:09:00", "145 MHz", "2500"), at("2024-13-05/10:00:00")};
    const HourlyCounts h = qsos_per_hour(lines, LineLayout::General);
    EXPECT_EQ(h.bands, (std::vector<Text>{"145 MHz", "435 MHz"}));
    EXPECT_EQ(h.hours, (std::vector<Text>{"2024-05-04 23:00", "2024-05-05 00:00", "2024-05-05 01:00"}));
    EXPECT_EQ(h.counts, (std::vector<std::vector<long>>{{1, 1}, {0, 0}, {3, 0}}));

    // Three QSOs within 10 minutes of the last one; the one 69 minutes before it falls outside.
    const RunRates r = run_rates(lines, LineLayout::General);
    EXPECT_EQ(r.last_10_min, 18);
    EXPECT_EQ(r.last_60_min, 3);

    const std::vector<long> bins = distance_histogram(lines);
    ASSERT_EQ(bins.size(), kDistanceBins);
    EXPECT_EQ(bins[0], 4);  // 10, 10, 99 and the line without a valid time
    EXPECT_EQ(bins[1], 1);
    EXPECT_EQ(bins.back(), 1);
}

}  // namespace
}  // namespace loxar
