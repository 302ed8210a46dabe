// The total score of a whole log, worked out from its lines alone.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "model/contest_types.hpp"
#include "text/text.hpp"

namespace loxar {

// What the total writes; fields left empty are not touched by it.
struct LogTotal {
    bool computed = false;              // DX and SWL logs get no total
    Text total;                         // the total-score field
    std::optional<Text> points;         // points field (HA-QRP, RH-OB, HSKC, SILENT KEY MEM)
    std::optional<Text> distance;       // distance field (RH-OB: the multiplier count)
    std::optional<Text> counter_label;  // qso_label
    std::optional<Text> info_label;     // qth_label (YL-OM pairs)
    std::optional<Text> summary;        // score_summary of the Cabrillo-type reports
    long long dx = 0, ob = 0;           // "DX" and "OB" markers; HA-QRP new countries
    long long itu = 0, sk = 0;          // SILENT KEY MEM "IT" and "SK" markers
    std::array<long long, 3> rhob{};    // RH-OB N (highest sent serial), Q, M
};

// Lines whose points or markers are not numbers are left out of the sums. Every figure is 64-bit:
// 5-digit points summed over the few million lines a log file can hold, times at most two
// multipliers per line, stay far inside that range, so the total is always the true one.
LogTotal log_total(const std::vector<Text>& lines, ContestType type);

// The one-digit value at a column (the QRP and NMARK points and factor); nothing for another
// character.
std::optional<int> digit_at(const Text& line, std::size_t column);

}  // namespace loxar
