// The session side of scoring: worked marks, the prefill of the QSO being entered, the total.
#include "session/scoring.hpp"

#include <algorithm>

#include "database/callsign_db.hpp"
#include "rules/log_total.hpp"
#include "session/numbering.hpp"
#include "session/oblast_table.hpp"
#include "session/reevaluation.hpp"

namespace loxar {

namespace {

std::optional<std::size_t> mark_slot(int key, int band) {
    if (key < 0 || band < 0 || static_cast<std::size_t>(key) >= kMarkKeys ||
        static_cast<std::size_t>(band) >= kMarkBands) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(key) * kMarkBands + static_cast<std::size_t>(band);
}

bool marked(const std::vector<char>& table, int key, int band) {
    const auto slot = mark_slot(key, band);
    return slot && *slot < table.size() && table[*slot] != 0;
}

void mark(std::vector<char>& table, int key, int band) {
    const auto slot = mark_slot(key, band);
    if (!slot) return;
    if (table.size() < kMarkKeys * kMarkBands) table.resize(kMarkKeys * kMarkBands, 0);
    table[*slot] = 1;
}

bool mode_chosen(const Session& s) {
    return s.qso.mod_combo.list_index > 0;
}

// Counters held in 16 bits stop at the largest value instead of wrapping round.
short clamp16(long long v) {
    return static_cast<short>(std::clamp<long long>(v, -32768, 32767));
}

void refresh(Session& s, Aspect a) {
    if (s.ports.ui) s.ui().refresh(a);
}

}  // namespace

bool country_marked(const Session& s, int key, int band) {
    return marked(s.score.country_marks, key, band);
}
void mark_country(Session& s, int key, int band) {
    mark(s.score.country_marks, key, band);
}
bool oblast_marked(const Session& s, int key, int band) {
    return marked(s.score.oblast_marks, key, band);
}
void mark_oblast(Session& s, int key, int band) {
    mark(s.score.oblast_marks, key, band);
}

bool has_multiplier_key(const Session& s, const Text& key) {
    const auto& items = s.sort_combo.items;
    return std::binary_search(items.begin(), items.end(), key);
}

void add_multiplier_key(Session& s, const Text& key) {
    auto& items = s.sort_combo.items;
    auto at = std::lower_bound(items.begin(), items.end(), key);
    if (at == items.end() || *at != key) items.insert(at, key);
}

void szorzo_jelek_torlese(Session& s) {
    s.score.country_marks.assign(kMarkKeys * kMarkBands, 0);
    s.score.oblast_marks.assign(kMarkKeys * kMarkBands, 0);
}

StationCountry current_station(const Session& s) {
    StationCountry c;
    c.country_index = s.worked.current_country_index;
    c.continent = s.worked.current_continent;
    c.country_name = trim(s.worked.current_country_name);
    c.russian = is_russian_country(c.country_name);
    return c;
}

void multiplier_prefill(Session& s) {
    const Text call = trim(s.qso.kapott_hivojel_text);
    const int band = s.current_band_index;
    switch (s.contest()) {
        case ContestType::Hadx: {
            const StationCountry c = current_station(s);
            s.qso.pontszam_text = std::to_string(hadx_points(c));
            s.qso.tavolsag_text = hadx_marker(s, c, band, mode_chosen(s));
            break;
        }
        case ContestType::RudxAll:
        case ContestType::RudxTwo: {
            StationCountry c = current_station(s);
            s.worked.current_oblast_index = 0;
            if (c.russian) {
                apply_oblast(c, ru_exchange_kereses(s, call));
                // Without a known oblast the operator's own entry is kept.
                if (!c.oblast_code.empty()) s.qso.kapott_sorszam_text = c.oblast_code;
                s.worked.current_oblast_name = c.oblast_name;
                s.worked.current_oblast_index = static_cast<short>(c.oblast_index);
            }
            s.qso.pontszam_text = std::to_string(rudx_points(c, call));
            s.qso.tavolsag_text = rudx_marker(s, c, band, mode_chosen(s));
            break;
        }
        case ContestType::Hskc: {
            const Text key = hskc_key(hivojel_kereses(call));
            s.worked.held_multiplier_key = key;
            s.qso.tavolsag_text = key.empty() || has_multiplier_key(s, key) ? "-----" : "Multi";
            break;
        }
        case ContestType::SilentKeyMem: {
            Text result;
            SKM_ertekeles(s, result);
            s.qso.tavolsag_text = result;
            break;
        }
        case ContestType::Nmark: NMARK_pont_szamolas(s); break;
        case ContestType::Ref:
            s.qso.pontszam_text = std::to_string(ref_points(call, s.worked.current_continent));
            break;
        default: break;
    }
}

void NMARK_pont_szamolas(Session& s) {
    s.qso.tavolsag_text = kNmarkFactor;
    s.qso.pontszam_text = kNmarkPoints;
}

void SKM_ertekeles(Session& s, Text& result) {
    // Only a key this evaluation finds new is held for the QSO.
    s.worked.held_multiplier_key.clear();
    if (!mode_chosen(s)) {
        result = "--/--";
        return;
    }
    const CountryLookup& countries = s.countries ? *s.countries : Session::kNoCountries;
    const StationCountry c =
        station_country(countries, s.db.exchange_lista.items(), s.qso.kapott_hivojel_text);
    s.worked.current_country_index = static_cast<short>(c.country_index);
    s.worked.current_continent = c.continent;
    s.worked.current_country_name = c.country_name;
    s.worked.current_oblast_name = c.oblast_name;
    s.worked.current_oblast_index = static_cast<short>(c.oblast_index);

    const SkmEvaluation e =
        skm_evaluation(s, c, s.qso.kapott_QRA_text, s.qso.kapott_sorszam_text, s.current_band_index);
    s.qso.kapott_QRA_text = e.zone;
    s.qso.pontszam_text = e.points;
    s.worked.held_multiplier_key = e.held_key;
    s.worked.qth_label = e.label;
    result = e.result;
}

void ossz_pontszam_szamolas(Session& s) {
    s.score.dx_multiplier_count = 0;
    s.score.ob_multiplier_count = 0;
    const ContestType type = s.contest();
    const LogTotal t = log_total(s.log_lista.items(), type);
    if (!t.computed) return;
    s.ossz_pontszam_text = t.total;
    if (t.points) s.qso.pontszam_text = *t.points;
    if (t.distance) s.qso.tavolsag_text = *t.distance;
    if (t.counter_label) s.qso_label = *t.counter_label;
    if (t.info_label) s.worked.qth_label = *t.info_label;
    if (t.summary) s.score.score_summary = *t.summary;
    s.score.dx_multiplier_count = static_cast<long>(t.dx);
    s.score.ob_multiplier_count = static_cast<long>(t.ob);
    if (type == ContestType::SilentKeyMem) {
        s.score.itu_multiplier_count = clamp16(t.itu);
        s.score.sk_multiplier_count = clamp16(t.sk);
    }
    if (type == ContestType::RhOb) {
        for (std::size_t i = 0; i < 3; ++i) s.score.rhob_counters[i] = clamp16(t.rhob[i]);
        RHOB_label_toltes(s);
    }
    refresh(s, Aspect::EntryFields);
}

void RHOB_label_toltes(Session& s) {
    const auto& c = s.score.rhob_counters;
    s.qso_label = "N:" + zero_pad(c[0], 3) + " Q:" + zero_pad(c[1], 3) + " M:" + zero_pad(c[2], 3);
}

void ujraszamolas_cmd_Click(Session& s) {
    s.qso_label.clear();
    sorszamozas(s);
    kovetkezo_sorszam_rutin(s);
    if (s.contest() == ContestType::CqwwVhf) {
        s.ui().message(hu(u8"A jegyzőkönyv készítésnél kerül kiértékelésre!"));
    } else {
        log_ujraertekeles(s);
    }
    refresh(s, Aspect::LogList | Aspect::EntryFields | Aspect::Selectors | Aspect::View);
}

}  // namespace loxar
