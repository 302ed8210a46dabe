// Per-QSO explanations: the points a line holds, the rule that gave them, the multiplier it
// brought and the earlier QSO it repeats.
#include "rules/score_explanation.hpp"

#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "model/duplicate_marks.hpp"
#include "model/log_fields.hpp"
#include "rules/qso_rules.hpp"

namespace loxar {

namespace {

using T = ContestType;
using enum Field;

Text num(long long n) {
    return std::to_string(n);
}

Text trimmed(const Text& line, LineLayout layout, Field f) {
    return trim(field(line, layout, f));
}

long long number_or_zero(const Text& s) {
    return is_numeric(s) ? int_value(s) : 0;
}

bool distance_contest(T type) {
    return type == T::None || type == T::Iaru || type == T::CqBp || type == T::Exchange || type == T::CqwwVhf;
}

// What two lines share when the later one repeats the earlier QSO: the station on the band; for a
// listener both stations; for RH-OB the station, the mode and the ten minutes (columns 2-15, as
// the operator's duplicate mark takes column 1). Views into the line, so that looking through a
// whole log for the selected QSO's repeat copies nothing.
using RepeatKey = std::array<std::string_view, 3>;
class RepeatKeyReader {
public:
    explicit RepeatKeyReader(T type) : type_(type) {
        const LineLayout l = layout_of(type);
        const Field second = type == T::Swl ? Call2 : type == T::RhOb ? Mode : Band;
        call_ = field_span(l, Call).value_or(FieldSpan{});
        second_ = field_span(l, second).value_or(FieldSpan{});
        band_ = field_span(l, Band).value_or(FieldSpan{});
    }
    RepeatKey operator()(std::string_view line) const {
        const std::string_view third = type_ == T::Swl ? part(line, band_)
                                       : type_ == T::RhOb
                                           ? (line.size() > 1 ? line.substr(1, 14) : std::string_view{})
                                           : std::string_view{};
        return {part(line, call_), part(line, second_), third};
    }

private:
    static std::string_view part(std::string_view line, FieldSpan at) {
        if (at.from == 0 || at.from > line.size()) return {};
        return trim_view(line.substr(at.from - 1, at.len));
    }
    T type_;
    FieldSpan call_, second_, band_;
};

Text joined_key(const RepeatKey& k) {
    return Text(k[0]) + '/' + Text(k[1]) + '/' + Text(k[2]);
}

// The square of a line, as the square count reads it, without a copy.
std::string_view square_view(std::string_view line) {
    return field_view(line, LineLayout::General, ReceivedLocator).substr(0, 4);
}

// What the line adds to the QSO points, read as the log's total reads it.
long long line_points(const Text& line, T type) {
    switch (type) {
        case T::YlOm: {
            const Text pair =
                field(line, LineLayout::General, OwnSex) + field(line, LineLayout::General, ReceivedSex);
            if (pair == "NN" || pair == "NF" || pair == "FN") return 5;
            return pair == "FF" ? 1 : 0;
        }
        case T::HaQrp: return digit_at(line, 104).value_or(0);
        case T::RhOb: return 1;
        case T::Nmark: {
            const auto factor = digit_at(line, 104);
            const auto points = digit_at(line, 106);
            return factor && points ? static_cast<long long>(*factor) * *points : 0;
        }
        case T::Dx:
        case T::Swl: return 0;
        default: return number_or_zero(field(line, LineLayout::General, Points));
    }
}

// Where a distance contest's points come from, when the rule file's product gives them.
Text distance_reason(const Text& line, T type, long long points, const ExplainRules& rules) {
    const Text distance = trimmed(line, LineLayout::General, Distance);
    if (!is_numeric(distance)) return hu(u8"távolság nélkül");
    const long long km = int_value(distance);
    const Text mode = field(line, LineLayout::General, Mode);
    const Text kms = num(km) + " km";
    if (type == T::None || type == T::Iaru) {
        const long long per_km = mode_multiplier(mode, rules.rule_values);
        if (km * per_km == points) return kms + hu(u8" × ") + num(per_km) + " (" + trim(mode) + ")";
    } else if (type == T::CqBp) {
        const int band = line_band_index(field(line, LineLayout::General, Band));
        if (cqbp_points(km, mode, band, rules.rule_values) == points)
            return kms + hu(u8" × sáv- és üzemmódszorzó");
    }
    return kms;
}

// The country behind a marker contest's points, when the country table is at hand.
Text country_words(const Text& call, const ExplainRules& rules) {
    if (!rules.countries) return {};
    static const std::vector<Text> kNoOblasts;
    const StationCountry c =
        station_country(*rules.countries, rules.oblast_entries ? *rules.oblast_entries : kNoOblasts, call);
    if (c.country_index == 0) return hu(u8"ismeretlen ország");
    Text words = c.country_name;
    if (c.russian && !c.oblast_name.empty()) words += ", " + trim(c.oblast_name);
    if (!c.continent.empty()) words += " (" + trim(c.continent) + ")";
    return words;
}

Text joined(const Text& a, const Text& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + ", " + b;
}

// The rule behind the points and the multipliers a line brings, by its contest's columns.
struct Reason {
    Text points;
    Text multiplier;
    int multipliers = 0;
};

Reason marker_reason(const Text& line, T type, long long points, const ExplainRules& rules) {
    const LineLayout l = layout_of(type);
    const Text call = trimmed(line, l, Call);
    Reason r;
    switch (type) {
        case T::Hadx:
        case T::RudxAll:
        case T::RudxTwo: {
            Text kind = points == 5 ? hu(u8"Európán kívül") : points == 3 ? hu(u8"Európában") : Text{};
            if (type == T::Hadx && points == 1) kind = hu(u8"magyar állomás");
            if (type != T::Hadx && points == 10) kind = hu(u8"orosz állomás");
            if (type != T::Hadx && points == 2) kind = hu(u8"HA/HG állomás");
            r.points = joined(country_words(call, rules), kind);
            if (col(line, 75, 2) == "DX") {
                r.multiplier = hu(u8"új ország (szorzó)");
                ++r.multipliers;
            }
            if (type != T::Hadx && col(line, 78, 2) == "OB") {
                r.multiplier =
                    joined(r.multiplier, hu(u8"új oblaszt (szorzó): ") + trimmed(line, l, ReceivedSerial));
                ++r.multipliers;
            }
            return r;
        }
        case T::HaQrp:
            r.points = points == 2 ? hu(u8"név és QTH megvan") : hu(u8"név vagy QTH nélkül");
            if (col(line, 106, 1) == "N") {
                r.multiplier = joined(country_words(call, rules), hu(u8"új ország (szorzó)"));
                r.multipliers = 1;
            }
            return r;
        case T::RhOb:
            r.points = hu(u8"QSO-nként 1");
            if (col(line, 75, 1) == "M") {
                r.multiplier = hu(u8"új állomás ezen az üzemmódon (szorzó)");
                r.multipliers = 1;
            }
            return r;
        case T::Hskc: {
            const Text category = col(field(line, l, ReceivedSerial), 4, 1);
            r.points = category == "A"   ? hu(u8"A (QRP) kategória")
                       : category == "B" ? hu(u8"B (QRO) kategória")
                                         : hu(u8"nincs kategória");
            if (col(line, 75, 5) == "Multi") {
                r.multiplier = hu(u8"új körzet (szorzó)");
                r.multipliers = 1;
            }
            return r;
        }
        case T::SilentKeyMem: {
            const Text zone = trimmed(line, l, ReceivedZone);
            r.points = joined(country_words(call, rules), zone.empty() ? Text{} : "ITU " + zone);
            if (col(line, 75, 2) == "IT") {
                r.multiplier = hu(u8"új ITU zóna (szorzó)");
                ++r.multipliers;
            }
            if (col(line, 78, 2) == "SK") {
                r.multiplier = joined(r.multiplier, hu(u8"új emlékhívójel (szorzó, +1 pont)"));
                ++r.multipliers;
            }
            return r;
        }
        case T::Nmark: {
            const Text factor = col(line, 104, 1);
            const Text per_qso = col(line, 106, 1);
            r.points = hu(u8"távolságtényező ") + factor + hu(u8" × ") + per_qso;
            return r;
        }
        case T::Ref: {
            r.points = ref_scored_call(call) ? country_words(call, rules) : hu(u8"nem francia állomás");
            const Text c = col(line, 75, 1);
            if (!c.empty() && c != "-") {
                r.multiplier = hu(u8"új megye (szorzó)");
                r.multipliers = 1;
            }
            return r;
        }
        default: return r;
    }
}

Text ylom_reason(const Text& line) {
    const Text own = field(line, LineLayout::General, OwnSex);
    const Text received = field(line, LineLayout::General, ReceivedSex);
    const auto who = [](const Text& sex) {
        return sex == "N" ? Text("YL") : sex == "F" ? Text("OM") : Text("?");
    };
    if (who(own) == "?" || who(received) == "?") return hu(u8"a nem nincs megadva");
    return who(own) + "-" + who(received);
}

// What is known of the line's place in the log when it is explained.
struct Context {
    std::optional<std::size_t> repeats;  // the earlier line it repeats
    bool new_square = false;
};

QsoExplanation explained(const Text& line, std::size_t index, T type, const ExplainRules& rules,
                         const Context& at) {
    const LineLayout l = layout_of(type);
    QsoExplanation e;
    e.points = line_points(line, type);
    Text band = trimmed(line, l, Band);
    e.text = num(static_cast<long long>(index + 1)) + ". " + trimmed(line, l, Call) +
             (type == T::Swl ? " - " + trimmed(line, l, Call2) : Text{}) + (band.empty() ? "" : " " + band) +
             ": ";
    Reason r;
    if (type == T::Dx || type == T::Swl) {
        e.text += hu(u8"nincs pontszámítás");
    } else {
        if (type == T::YlOm) {
            r.points = ylom_reason(line);
        } else if (distance_contest(type)) {
            r.points = distance_reason(line, type, e.points, rules);
            if (at.new_square) {
                r.multiplier =
                    hu(type == T::CqwwVhf ? u8"új négyzet (szorzó): " : u8"új négyzet: ") + square_of(line);
                r.multipliers = type == T::CqwwVhf ? 1 : 0;
            }
        } else {
            r = marker_reason(line, type, e.points, rules);
        }
        e.text += num(e.points) + " pont";
        if (!r.points.empty()) e.text += " (" + r.points + ")";
        if (!r.multiplier.empty()) e.text += "; " + r.multiplier;
    }
    if (at.repeats) {
        e.text += hu(u8"; ismétlés: a ") + num(static_cast<long long>(*at.repeats + 1)) + hu(u8". QSO-é");
    } else if (marked_duplicate(line)) {
        e.text += hu(u8"; ismétlésnek jelölve");
    }
    return e;
}

}  // namespace

std::vector<QsoExplanation> explain_log(const std::vector<Text>& lines, ContestType type,
                                        const ExplainRules& rules) {
    std::vector<QsoExplanation> out;
    out.reserve(lines.size());
    const DistinctValues squares = distinct_squares(lines, duplicate_marks(lines));
    std::unordered_map<Text, std::size_t> first;
    const RepeatKeyReader repeat_key(type);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Context at;
        const auto [it, fresh] = first.try_emplace(joined_key(repeat_key(lines[i])), i);
        if (!fresh) at.repeats = it->second;
        at.new_square = distance_contest(type) && squares.new_flags[i];
        out.push_back(explained(lines[i], i, type, rules, at));
    }
    return out;
}

QsoExplanation explain_qso(const std::vector<Text>& lines, std::size_t index, ContestType type,
                           const ExplainRules& rules) {
    if (index >= lines.size()) return {};
    const Text& line = lines[index];
    const RepeatKeyReader repeat_key(type);
    const RepeatKey key = repeat_key(line);
    const std::string_view square = square_view(line);
    const bool squares = distance_contest(type) && !marked_duplicate(line);
    Context at;
    at.new_square = squares;
    for (std::size_t i = 0; i < index; ++i) {
        if (!at.repeats && repeat_key(lines[i]) == key) at.repeats = i;
        if (at.new_square && !marked_duplicate(lines[i]) && square_view(lines[i]) == square)
            at.new_square = false;
    }
    return explained(line, index, type, rules, at);
}

std::vector<Text> explain_totals(const std::vector<Text>& lines, ContestType type,
                                 const std::vector<QsoExplanation>& explained, const LogTotal& total,
                                 const ExplainRules& rules) {
    long long points = 0;
    long long multipliers = 0;
    for (const QsoExplanation& e : explained) points += e.points;
    const Text qsos = num(static_cast<long long>(lines.size())) + " QSO";
    if (!total.computed) return {hu(u8"Összesen: ") + qsos + hu(u8"; ennél a versenynél nincs pontszámítás")};
    std::vector<Text> out{hu(u8"Összesen: ") + qsos + ", " + num(points) + " pont"};
    const Text P = num(points) + hu(u8" pont × ");
    const Text is = " = " + total.total;
    // Multipliers as the total counts them: the markers of the lines.
    for (const Text& line : lines)
        multipliers += marker_reason(line, type, line_points(line, type), {}).multipliers;
    switch (type) {
        case T::YlOm: {
            long long yl = 0, om = 0;
            for (const QsoExplanation& e : explained) {
                yl += e.points == 5 ? 1 : 0;
                om += e.points == 1 ? 1 : 0;
            }
            out.push_back(hu(u8"Összpontszám: 5 × ") + num(yl) + hu(u8" YL-QSO + ") + num(om) +
                          hu(u8" OM-OM QSO") + is);
            break;
        }
        case T::Hadx: out.push_back(hu(u8"Összpontszám: ") + P + num(total.dx) + hu(u8" ország") + is); break;
        case T::RudxAll:
        case T::RudxTwo:
            out.push_back(hu(u8"Összpontszám: ") + P + "(" + num(total.dx) + hu(u8" ország + ") +
                          num(total.ob) + hu(u8" oblaszt)") + is);
            break;
        case T::HaQrp:
            out.push_back(hu(u8"Összpontszám: ") + P + num(total.dx) + hu(u8" új ország") + is);
            break;
        case T::RhOb:
            out.push_back(hu(u8"Összpontszám: ") + num(points) + hu(u8" QSO × ") + num(total.rhob[2]) +
                          hu(u8" szorzó") + is);
            break;
        case T::SilentKeyMem:
            out.push_back(hu(u8"Összpontszám: ") + P + "(" + num(total.itu) + hu(u8" ITU zóna + ") +
                          num(total.sk) + hu(u8" emlékhívójel)") + is);
            break;
        case T::Hskc:
        case T::Ref:
            out.push_back(hu(u8"Összpontszám: ") + P + num(multipliers) + hu(u8" szorzó") + is);
            break;
        case T::CqwwVhf: {
            const DistinctValues squares = distinct_squares(lines, duplicate_marks(lines));
            const std::optional<long long> claimed = cqww_claimed_total(total.total, lines, rules.sheet);
            out.push_back(hu(u8"Összpontszám: ") + total.total);
            out.push_back(
                hu(u8"Beküldött pontszám: ") + P + num(static_cast<long long>(squares.sorted.size())) +
                hu(u8" négyzet") +
                (rules.sheet.qsos == "1" && rules.sheet.countries == "1" && rules.sheet.exchanges == "1"
                     ? Text{}
                     : hu(u8" × az adatlap szorzói")) +
                " = " + (claimed ? num(*claimed) : hu(u8"túl nagy")));
            break;
        }
        default: out.push_back(hu(u8"Összpontszám: ") + total.total); break;
    }
    return out;
}

}  // namespace loxar
