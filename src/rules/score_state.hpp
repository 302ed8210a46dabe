// What the scoring keeps while the log grows: worked marks, multiplier counters, the per-QSO
// flags of the EDI report and its result lists.
#pragma once

#include <array>
#include <vector>

#include "model/widgets.hpp"
#include "rules/scoring.hpp"
#include "text/text.hpp"

namespace loxar {

struct ScoreState {
    // Per-country worked flags of the new-country marker (grow as needed).
    std::vector<char> country_worked = std::vector<char>(1001, 0);
    // EDI country count: QSOs per country index, the report window's country list (kept
    // sorted) and the number of distinct countries.
    std::vector<long> country_qso_counts = std::vector<long>(1001, 0);
    Combo edi_dxcc_combo;
    long distinct_country_count = 0;
    // Per-QSO flags of the EDI report, one per log line (they grow with the log).
    std::vector<char> duplicate_flags;
    std::vector<char> new_country_flags;
    std::vector<char> new_square_flags;
    std::vector<char> new_exchange_flags;

    // Worked-mark tables (key 0..1000 × band 0..28) and the multiplier counters.
    std::vector<char> country_marks = std::vector<char>(kMarkKeys * kMarkBands, 0);
    std::vector<char> oblast_marks = std::vector<char>(kMarkKeys * kMarkBands, 0);
    long dx_multiplier_count = 0;
    long ob_multiplier_count = 0;
    short itu_multiplier_count = 0;
    short sk_multiplier_count = 0;
    std::array<short, 3> rhob_counters{};  // N (highest sent serial), Q (QSOs), M (multipliers)
    Text score_summary;
    Combo edi_wwl_combo;
    Combo edi_exchange_combo;
    // The selected QSO's points and why, under the log.
    Text pont_magyarazat_label;
};

}  // namespace loxar
