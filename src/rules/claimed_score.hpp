// The claimed score of the EDI and CQWW-VHF reports: squares, exchanges, best DX, claimed total.
#pragma once

#include <optional>
#include <vector>

#include "text/text.hpp"

namespace loxar {

// Distinct values of a log in first-seen order, their sorted list and the line that brought each.
struct DistinctValues {
    std::vector<Text> sorted;     // for the report window's list
    std::vector<long> counts;     // QSOs of each sorted value
    std::vector<char> new_flags;  // one per line: 1 where a value was met first
};

// The square of a general line: the first four characters of its locator (columns 51-54).
Text square_of(const Text& line);
// Locator squares: the square of every line not flagged duplicate.
DistinctValues distinct_squares(const std::vector<Text>& lines, const std::vector<char>& duplicates);
// Exchanges: columns 132-137 trimmed, "XXXXXX" left out, of every line not flagged duplicate.
DistinctValues distinct_exchanges(const std::vector<Text>& lines, const std::vector<char>& duplicates);

// The line with the greatest positive distance (columns 75-79); the earlier of equal ones.
std::optional<std::size_t> best_dx_line(const std::vector<Text>& lines);

// QSO points × the QSO multiplier (0 when that is not a number) × each of the other multipliers
// that is a number. Nothing when the product leaves the 64-bit range.
std::optional<long long> claimed_total(const Text& qso_points, const Text& qso_multiplier,
                                       const std::vector<Text>& other_multipliers);

// The multipliers of the data sheet's result fields that the CQWW-VHF claimed total takes.
struct ResultMultipliers {
    Text qsos, countries, exchanges;
};

// The CQWW-VHF claimed total of a log, the one its report claims: the QSO points (the log's total)
// × the distinct squares of the lines not marked duplicate, with the sheet's QSO, DXCC and
// exchange multipliers. Nothing when the product leaves the 64-bit range.
std::optional<long long> cqww_claimed_total(const Text& qso_points, const std::vector<Text>& lines,
                                            const ResultMultipliers& multipliers);

}  // namespace loxar
