// The numbers behind the statistics chart: QSOs per hour and band, the run rate of the last 10
// and 60 minutes, and the distance histogram of the VHF contests.
#pragma once

#include <optional>
#include <vector>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

// QSOs per hour and band. Hours run from the first QSO's to the last one's, empty hours
// included, so that a gap in the activity shows as one.
struct HourlyCounts {
    std::vector<Text> bands;                // trimmed band fields, in band-table order
    std::vector<Text> hours;                // "2024-05-04 12:00"
    std::vector<std::vector<long>> counts;  // [hour][band]
};
HourlyCounts qsos_per_hour(const std::vector<Text>& lines, LineLayout layout);

// QSOs per hour at the pace of the last 10 and of the last 60 minutes before the log's latest QSO.
struct RunRates {
    long last_10_min = 0;
    long last_60_min = 0;
};
RunRates run_rates(const std::vector<Text>& lines, LineLayout layout);

// Distances of the VHF contests in bins of kDistanceBinKm; the last bin holds everything beyond.
inline constexpr long kDistanceBinKm = 100;
inline constexpr std::size_t kDistanceBins = 11;
std::vector<long> distance_histogram(const std::vector<Text>& lines);
bool has_distance_histogram(ContestType type);  // IARU, CQ-BP, CQWW-VHF

// The per-hour counts as CSV: "hour,band,count", then one row per hour and band.
Text hourly_csv(const HourlyCounts& h);

// Seconds since 1970 of a line's date and time; nothing when they are not a valid time.
std::optional<long long> line_seconds(const Text& line, LineLayout layout);

}  // namespace loxar
