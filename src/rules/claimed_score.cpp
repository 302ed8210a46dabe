// Claimed score of the EDI and CQWW-VHF reports into the result fields of the data sheet.
#include "rules/claimed_score.hpp"

#include <algorithm>
#include <cmath>
#include <map>

#include "model/duplicate_marks.hpp"
#include "model/log_fields.hpp"

namespace loxar {

namespace {

template <typename Key>
DistinctValues distinct(const std::vector<Text>& lines, const std::vector<char>& duplicates, Key key_of) {
    DistinctValues d;
    d.new_flags.assign(lines.size(), 0);
    std::map<Text, long> seen;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < duplicates.size() && duplicates[i]) continue;
        const std::optional<Text> key = key_of(lines[i]);
        if (!key || seen[*key]++ > 0) continue;
        d.new_flags[i] = 1;
    }
    d.sorted.reserve(seen.size());
    d.counts.reserve(seen.size());
    for (const auto& [value, count] : seen) {
        d.sorted.push_back(value);
        d.counts.push_back(count);
    }
    return d;
}

// A whole number from a numeric field; nothing for other text, `too_large` beyond 64 bits.
std::optional<long long> whole_number(const Text& field, bool& too_large) {
    if (!is_numeric(field)) return std::nullopt;
    const double v = std::nearbyint(val(trim(field)));
    if (!(v < 9.2e18 && v > -9.2e18)) {
        too_large = true;
        return std::nullopt;
    }
    return static_cast<long long>(v);
}

}  // namespace

Text square_of(const Text& line) {
    return col(field(line, LineLayout::General, Field::ReceivedLocator), 1, 4);
}

DistinctValues distinct_squares(const std::vector<Text>& lines, const std::vector<char>& duplicates) {
    return distinct(lines, duplicates,
                    [](const Text& line) -> std::optional<Text> { return square_of(line); });
}

DistinctValues distinct_exchanges(const std::vector<Text>& lines, const std::vector<char>& duplicates) {
    return distinct(lines, duplicates, [](const Text& line) -> std::optional<Text> {
        Text e = trim(col(line, 132, 6));
        if (e == "XXXXXX") return std::nullopt;
        return e;
    });
}

std::optional<std::size_t> best_dx_line(const std::vector<Text>& lines) {
    std::optional<std::size_t> best;
    long long best_distance = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Text distance = field(lines[i], LineLayout::General, Field::Distance);
        const long long d = is_numeric(distance) ? int_value(distance) : 0;
        if (d > best_distance) {
            best_distance = d;
            best = i;
        }
    }
    return best;
}

std::optional<long long> claimed_total(const Text& qso_points, const Text& qso_multiplier,
                                       const std::vector<Text>& other_multipliers) {
    bool too_large = false;
    const std::optional<long long> qso_mul = whole_number(qso_multiplier, too_large);
    if (!qso_mul) return too_large ? std::nullopt : std::optional<long long>(0);
    const long long points = whole_number(qso_points, too_large).value_or(0);
    long long score = 0;
    if (too_large || __builtin_mul_overflow(*qso_mul, points, &score)) return std::nullopt;
    for (const Text& m : other_multipliers) {
        const std::optional<long long> factor = whole_number(m, too_large);
        if (too_large) return std::nullopt;
        if (factor && __builtin_mul_overflow(score, *factor, &score)) return std::nullopt;
    }
    return score;
}

std::optional<long long> cqww_claimed_total(const Text& qso_points, const std::vector<Text>& lines,
                                            const ResultMultipliers& multipliers) {
    const Text squares = std::to_string(distinct_squares(lines, duplicate_marks(lines)).sorted.size());
    return claimed_total(qso_points, multipliers.qsos,
                         {squares, multipliers.countries, multipliers.exchanges});
}

}  // namespace loxar
