// Re-evaluation of a loaded or edited log, line by line in log order.
#include "session/reevaluation.hpp"

#include <algorithm>
#include <set>

#include "database/callsign_db.hpp"
#include "model/log_fields.hpp"
#include "rules/locator.hpp"
#include "session/log_commands.hpp"
#include "session/questions.hpp"
#include "session/scoring.hpp"

namespace loxar {

namespace {

using T = ContestType;
using enum Field;

Text general(const Text& line, Field f) {
    return field(line, LineLayout::General, f);
}
Text qrp(const Text& line, Field f) {
    return field(line, LineLayout::Qrp, f);
}
Text skm_field(const Text& line, Field f) {
    return field(line, LineLayout::Skm, f);
}

// The callsign the scoring keys by: its first 19 columns, as the result calculation reads it.
constexpr std::size_t kScoredCallWidth = 19;
Text scored_call(const Text& line) {
    return trim(col(general(line, Call), 1, kScoredCallWidth));
}

// Points never fill more than their five columns; a larger product is written as the largest.
constexpr long long kMaxLinePoints = 99999;

bool mode_chosen(const Text& mode_field) {
    const Text m = trim(mode_field);
    return !m.empty() && m != "...";
}

// Lines between two redraws of the progress label.
constexpr std::size_t kProgressStep = 100;

Text points5(long long points) {
    return zero_pad(points, 5);
}

// A line of the general layout by its own separators (the "=" after the callsign at column 41 and
// after the points at column 86); a QRP, SKM or listener's line has other text there.
bool general_line(const Text& line) {
    return line.size() >= 86 && line[40] == '=' && line[85] == '=';
}

// One pass over the log: the key lists of one re-evaluation and what it ran into.
class Reevaluation {
public:
    Reevaluation(Session& s, T type) : s_(s), type_(type) {
        if (type == T::Hskc || type == T::SilentKeyMem) s_.sort_combo = {};
        if (type == T::HaQrp) {
            s_.score.country_worked.assign(std::max<std::size_t>(s_.score.country_worked.size(), 1001), 0);
        }
    }

    // The line rewritten. A line too short to hold the scored columns is no QSO of this layout:
    // it stays as it is and sets no mark.
    Text line(const Text& line) {
        const LineLayout layout = layout_of(type_);
        const bool qrp_columns = layout == LineLayout::Qrp || layout == LineLayout::Nmark;
        if (line.size() < (qrp_columns ? kQrpScoredLength : kScoredLength)) return line;
        switch (type_) {
            case T::None:
            case T::Iaru: return distance_scored(line);
            case T::CqBp: return cqbp(line);
            case T::Hadx:
            case T::RudxAll:
            case T::RudxTwo: return dx(line);
            case T::HaQrp: return haqrp(line);
            case T::RhOb: return rhob(line);
            case T::Hskc: return hskc(line);
            case T::SilentKeyMem: return skm(line);
            case T::Nmark: return set_columns(line, kNmarkFactor[0], kNmarkPoints[0]);
            case T::Ref: return ref(line);
            default: return line;
        }
    }

    long capped_lines() const { return capped_; }

private:
    const CountryLookup& countries() const { return s_.countries ? *s_.countries : Session::kNoCountries; }
    StationCountry station(const Text& callsign) const {
        return station_country(countries(), s_.db.exchange_lista.items(), callsign);
    }

    static Text rewritten(const Text& line, const std::optional<Text>& serial, const Text& marker,
                          const Text& points) {
        return rewrite_scored_line(line, serial, marker, points).value_or(line);
    }

    long long capped(long long points) {
        if (points > kMaxLinePoints) {
            ++capped_;
            return kMaxLinePoints;
        }
        return std::max(points, -9999LL);
    }

    // An imported line holds no distance yet ("--/--"): it gets the distance of its locators, as
    // the entry works it out. A line that holds a number keeps it.
    bool distance_missing(const Text& line) const {
        return general_line(line) && !is_numeric(general(line, Distance));
    }
    Text located_distance(const Text& line) const {
        const Text locator = trim(general(line, ReceivedLocator));
        return distance_field(qrb_between(locator, s_.station.QRA_text).distance);
    }

    // "...", IARU: distance × the mode's multiplier, for the lines without a distance only.
    Text distance_scored(const Text& line) {
        if (!distance_missing(line)) return line;
        const Text distance = located_distance(line);
        const long long points =
            int_value(distance) * mode_multiplier(general(line, Mode), s_.rules.rule_values);
        return rewritten(line, std::nullopt, distance, points5(capped(points)));
    }

    Text cqbp(const Text& line) {
        if (!general_line(line)) return line;
        const Text distance = distance_missing(line) ? located_distance(line) : general(line, Distance);
        const long long points =
            cqbp_points(is_numeric(distance) ? int_value(distance) : 0, general(line, Mode),
                        line_band_index(general(line, Band)), s_.rules.rule_values);
        return rewritten(line, std::nullopt, distance, points5(capped(points)));
    }

    Text dx(const Text& line) {
        const Text call = scored_call(line);
        const int band = line_band_index(general(line, Band));
        const bool mode = mode_chosen(general(line, Mode));
        const StationCountry c = station(call);
        if (type_ == T::Hadx) {
            const Text marker = hadx_marker(s_, c, band, mode);
            mark_country(s_, c.country_index, band);
            return rewritten(line, std::nullopt, marker, points5(hadx_points(c)));
        }
        const Text marker = rudx_marker(s_, c, band, mode);
        mark_country(s_, c.country_index, band);
        if (c.russian && c.oblast_index > 0) mark_oblast(s_, c.oblast_index, band);
        // The oblast the table knows replaces the exchange; without one the logged text stays.
        std::optional<Text> serial;
        if (c.russian && !c.oblast_code.empty()) serial = c.oblast_code;
        return rewritten(line, serial, marker, points5(rudx_points(c, call)));
    }

    Text haqrp(const Text& line) {
        const bool named = !trim(qrp(line, ReceivedName)).empty() && !trim(qrp(line, ReceivedQth)).empty();
        const int index = country_index_of(countries().dxcc_kereses(trim(qrp(line, Call))));
        // A callsign of no known country is no new country.
        char marker = '-';
        if (index > 0) {
            auto& worked = s_.score.country_worked;
            const auto i = static_cast<std::size_t>(index);
            if (i >= worked.size()) worked.resize(i + 1, 0);
            if (!worked[i]) {
                worked[i] = 1;
                marker = 'N';
            }
        }
        return set_columns(line, named ? '2' : '1', marker);
    }

    Text rhob(const Text& line) {
        // The key takes the callsign's first 12 columns, as the RH-OB rules count it.
        const bool first = rhob_keys_.insert(col(general(line, Call), 1, 12) + general(line, Mode)).second;
        return rewritten(line, std::nullopt, first ? "Multi" : "None ", "00001");
    }

    Text hskc(const Text& line) {
        // The category letter is the last of the four serial columns ("015B").
        const Text category = col(general(line, ReceivedSerial), 4, 1);
        const Text key = hskc_key(hivojel_kereses(scored_call(line)));
        Text marker = "-----";
        if (!key.empty() && !has_multiplier_key(s_, key)) {
            marker = "Multi";
            add_multiplier_key(s_, key);
        }
        const int points = hskc_category_points(category.empty() ? '\0' : category[0]);
        return rewritten(line, std::nullopt, marker, points5(points));
    }

    Text skm(const Text& line) {
        const int band = line_band_index(skm_field(line, Band));
        Text zone = skm_field(line, ReceivedZone);
        Text marker = "--/--";
        Text points = skm_field(line, Points);
        if (mode_chosen(skm_field(line, Mode))) {
            const SkmEvaluation e = skm_evaluation(s_, station(skm_field(line, Call)), zone,
                                                   skm_field(line, ReceivedSerial), band);
            zone = e.zone;
            marker = e.result;
            points = e.points;
            if (!e.held_key.empty()) add_multiplier_key(s_, e.held_key);
        }
        mark_country(s_, skm_zone_key(zone), band);
        Text out = rewritten(line, std::nullopt, marker, points);
        // The zone the evaluation settled on is what the line holds, as when the QSO is added.
        const FieldSpan at = *field_span(LineLayout::Skm, ReceivedZone);
        if (out.size() >= at.from + at.len - 1) out.replace(at.from - 1, at.len, pad_cut(zone, at.len));
        return out;
    }

    Text ref(const Text& line) {
        const Text call = scored_call(line);
        const int points = ref_scored_call(call) ? ref_points(call, station(call).continent) : 0;
        const bool first =
            ref_keys_.insert(ref_multiplier_key(general(line, ReceivedSerial), general(line, Band))).second;
        return rewritten(line, std::nullopt, first ? "Multi" : "-----", points5(points));
    }

    // QRP and NMARK lines: the points (column 104) and the marker or points (column 106).
    static Text set_columns(const Text& line, char at104, char at106) {
        Text out = line;
        out[103] = at104;
        out[105] = at106;
        return out;
    }

    Session& s_;
    T type_;
    // Key lists of RH-OB and REF live for one pass; they take as many keys as the log holds.
    std::set<Text> rhob_keys_;
    std::set<Text> ref_keys_;
    long capped_ = 0;
};

bool rewrites_lines(T type) {
    switch (type) {
        case T::None:
        case T::Iaru:
        case T::CqBp:
        case T::Hadx:
        case T::HaQrp:
        case T::RhOb:
        case T::RudxAll:
        case T::RudxTwo:
        case T::Hskc:
        case T::SilentKeyMem:
        case T::Nmark:
        case T::Ref: return true;
        default: return false;
    }
}

}  // namespace

void log_ujraertekeles(Session& s) {
    szorzo_jelek_torlese(s);
    const T type = s.contest();
    if (!reevaluates(type)) {
        s.ui().beep();
        return;
    }
    if (rewrites_lines(type)) {
        Reevaluation pass(s, type);
        const std::size_t n = s.log_lista.size();
        const Text of = " / " + std::to_string(n);
        // The list is read afresh on every line: the events processed between lines may change it.
        for (std::size_t i = 0; i < s.log_lista.size(); ++i) {
            s.worked.qth_label = hu(u8"Újraértékelés: ") + std::to_string(i + 1) + of;
            if (i % kProgressStep == 0 || i + 1 == n) s.ui().refresh(Aspect::View);
            s.ui().process_events();
            if (i >= s.log_lista.size()) break;
            s.log_lista.set(i, pass.line(s.log_lista.at(i)));
        }
        s.worked.qth_label.clear();
        if (pass.capped_lines() > 0) {
            alert(s, std::to_string(pass.capped_lines()) +
                         hu(u8" QSO pontszáma nem fér el öt számjegyen, 99999 lett."));
        }
    }
    auto_log_mentes(s);
    ossz_pontszam_szamolas(s);
    s.ui().refresh(Aspect::All);
}

}  // namespace loxar
