// Claimed score of the EDI and CQWW-VHF reports on the session: the data sheet's result fields.
#include "rules/claimed_score.hpp"

#include "model/log_fields.hpp"
#include "reports/result_fields.hpp"
#include "session/country_table.hpp"
#include "session/duplicates.hpp"
#include "session/questions.hpp"
#include "session/scoring.hpp"

namespace loxar {

namespace {

void refill(Combo& combo, std::vector<Text> items) {
    combo.items = std::move(items);
    combo.set(combo.items.empty() ? -1 : 0);
}

// The four per-QSO flag tables of the EDI report, one entry per log line.
void clear_flags(Session& s) {
    const std::size_t n = s.log_lista.size();
    s.score.duplicate_flags.assign(n, 0);
    s.score.new_square_flags.assign(n, 0);
    s.score.new_country_flags.assign(n, 0);
    s.score.new_exchange_flags.assign(n, 0);
}

void count_records(Session& s) {
    const Text n = std::to_string(s.log_lista.size());
    s.sheet.tx_QSORecords = n;
    s.sheet.tx_CQSOs = n;
}

Text qso_points(const Session& s) {
    return std::to_string(int_value(s.ossz_pontszam_text));
}

void write_claimed_total(Session& s, std::optional<long long> total) {
    if (total) {
        s.sheet.tx_CToSc = std::to_string(*total);
        return;
    }
    // A wrapped-round figure would be a wrong claim; none is written instead.
    s.sheet.tx_CToSc.clear();
    alert(s, hu(u8"A pontszám túl nagy, a szorzókat ellenőrizze!"));
}

}  // namespace

void wwl_osszeszamlalas(Session& s) {
    DistinctValues d = distinct_squares(s.log_lista.items(), s.score.duplicate_flags);
    s.score.new_square_flags = std::move(d.new_flags);
    s.sheet.tx_CWWLs = std::to_string(d.sorted.size());
    refill(s.score.edi_wwl_combo, std::move(d.sorted));
}

void exchange_osszeszamlalas(Session& s) {
    DistinctValues d = distinct_exchanges(s.log_lista.items(), s.score.duplicate_flags);
    s.score.new_exchange_flags = std::move(d.new_flags);
    s.sheet.tx_CExcs = std::to_string(d.sorted.size());
    refill(s.score.edi_exchange_combo, std::move(d.sorted));
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
    if (!dupla_ellenorzes(s)) return false;
    clear_flags(s);
    count_records(s);
    dupla_osszeszamolas(s);
    sorszam_ellenorzes(s);
    wwl_osszeszamlalas(s);
    dxcc_osszeszamlalas(s);
    exchange_osszeszamlalas(s);
    legjobb_dx_kivalasztas(s);
    pontszam_osszeszamlalas(s);
    if (s.ports.ui) s.ui().refresh(Aspect::Report);
    return true;
}

void CQWW_eredmeny_kiszamolas(Session& s) {
    // The list is counted whatever the check finds: its message has shown the operator the repeat.
    (void)dupla_ellenorzes(s);
    clear_flags(s);
    count_records(s);
    s.sheet.tx_CQSOP = qso_points(s);
    dupla_osszeszamolas(s);
    wwl_osszeszamlalas(s);
    s.sheet.tx_CWWLMul = s.sheet.tx_CWWLs;
    dxcc_osszeszamlalas(s);
    // The statistics page shows the same claim from the same function.
    write_claimed_total(
        s, cqww_claimed_total(s.sheet.tx_CQSOP, s.log_lista.items(), result_multipliers(s.sheet)));
    if (s.ports.ui) s.ui().refresh(Aspect::Report);
}

}  // namespace loxar
