// Claimed score of the EDI and CQWW-VHF reports into the result fields of the data sheet.
#include "rules/claimed_score.hpp"

#include "model/log_fields.hpp"

#include <algorithm>
#include <cmath>
#include <map>

#include "session/duplicates.hpp"
#include "rules/country_table.hpp"
#include "rules/scoring.hpp"

namespace loxar {

namespace {

template <typename Key>
DistinctValues distinct(const std::vector<Text>& lines, const std::vector<char>& duplicates,
                        Key key_of) {
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

void refill(Combo& combo, std::vector<Text> items) {
    combo.items = std::move(items);
    combo.set(combo.items.empty() ? -1 : 0);
}

// The four per-QSO flag tables of the EDI report, one entry per log line.
void clear_flags(Session& s) {
    const std::size_t n = s.log_lista.size();
    s.duplicate_flags.assign(n, 0);
    s.new_square_flags.assign(n, 0);
    s.new_country_flags.assign(n, 0);
    s.new_exchange_flags.assign(n, 0);
}

void count_records(Session& s) {
    const Text n = std::to_string(s.log_lista.size());
    s.sheet.tx_QSORecords = n;
    s.sheet.tx_CQSOs = n;
}

Text qso_points(const Session& s) { return std::to_string(int_value(s.ossz_pontszam_text)); }

void write_claimed_total(Session& s, std::optional<long long> total) {
    if (total) {
        s.sheet.tx_CToSc = std::to_string(*total);
        return;
    }
    // A wrapped-round figure would be a wrong claim; none is written instead.
    s.sheet.tx_CToSc.clear();
    s.ui().beep();
    s.ui().message(hu(u8"A pontszám túl nagy, a szorzókat ellenőrizze!"));
}

}  // namespace

DistinctValues distinct_squares(const std::vector<Text>& lines, const std::vector<char>& duplicates) {
    return distinct(lines, duplicates, [](const Text& line) -> std::optional<Text> {
        // The square: the locator's first four characters.
        return col(field(line, LineLayout::General, Field::ReceivedLocator), 1, 4);
    });
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
                                            const DataSheet& sheet) {
    const Text squares = std::to_string(distinct_squares(lines, duplicate_marks(lines)).sorted.size());
    return claimed_total(qso_points, sheet.tx_CQSOMul, {squares, sheet.tx_CDXCMul, sheet.tx_CExcsMul});
}

void wwl_osszeszamlalas(Session& s) {
    DistinctValues d = distinct_squares(s.log_lista.items(), s.duplicate_flags);
    s.new_square_flags = std::move(d.new_flags);
    s.sheet.tx_CWWLs = std::to_string(d.sorted.size());
    refill(s.edi_wwl_combo, std::move(d.sorted));
}

void exchange_osszeszamlalas(Session& s) {
    DistinctValues d = distinct_exchanges(s.log_lista.items(), s.duplicate_flags);
    s.new_exchange_flags = std::move(d.new_flags);
    s.sheet.tx_CExcs = std::to_string(d.sorted.size());
    refill(s.edi_exchange_combo, std::move(d.sorted));
}

void legjobb_dx_kivalasztas(Session& s) {
    const auto best = best_dx_line(s.log_lista.items());
    if (!best) return;
    const Text& line = s.log_lista.at(*best);
    auto g = [&line](Field f) { return field(line, LineLayout::General, f); };
    // The callsign's first 19 columns, as the data sheet takes it.
    s.sheet.tx_CODXC = trim(col(g(Field::Call), 1, 19));
    s.sheet.tx_CODXWWL = g(Field::ReceivedLocator);
    s.sheet.tx_CODXDis = std::to_string(int_value(g(Field::Distance)));
}

void pontszam_osszeszamlalas(Session& s) {
    s.sheet.tx_CQSOP = qso_points(s);
    write_claimed_total(s, claimed_total(s.sheet.tx_CQSOP, s.sheet.tx_CQSOMul,
                                         {s.sheet.tx_CWWLMul, s.sheet.tx_CDXCMul, s.sheet.tx_CExcsMul}));
}

bool edi_calculate_rutin(Session& s) {
    if (dupla_ellenorzes(s) == -1) return false;
    clear_flags(s);
    count_records(s);
    dupla_osszeszamolas(s);
    sorszam_ellenorzes(s);
    wwl_osszeszamlalas(s);
    dxcc_osszeszamlalas(s);
    exchange_osszeszamlalas(s);
    legjobb_dx_kivalasztas(s);
    pontszam_osszeszamlalas(s);
    if (s.ports.ui) s.ui().refresh(Aspect::All);
    return true;
}

void CQWW_eredmeny_kiszamolas(Session& s) {
    dupla_ellenorzes(s);
    clear_flags(s);
    count_records(s);
    s.sheet.tx_CQSOP = qso_points(s);
    dupla_osszeszamolas(s);
    wwl_osszeszamlalas(s);
    s.sheet.tx_CWWLMul = s.sheet.tx_CWWLs;
    dxcc_osszeszamlalas(s);
    // The statistics page shows the same claim from the same function.
    write_claimed_total(s, cqww_claimed_total(s.sheet.tx_CQSOP, s.log_lista.items(), s.sheet));
    if (s.ports.ui) s.ui().refresh(Aspect::All);
}

}  // namespace loxar
