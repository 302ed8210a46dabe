// The check of a Cabrillo report: START-OF-LOG first and END-OF-LOG last, the tags a robot
// needs, the CATEGORY values of the format's lists, every QSO line's fields, and the claimed
// score. A log that says it is version 2.0 is held to that version's rules (no CATEGORY lists).
#include <algorithm>
#include <map>

#include "reports/check_support.hpp"

namespace loxar {

namespace {

using namespace check;

struct CategoryList {
    std::string_view tag;
    std::vector<std::string_view> values;
};

// The values of the Cabrillo 3.0 category lists.
const std::vector<CategoryList>& category_lists() {
    static const std::vector<CategoryList> lists = {
        {"CATEGORY-ASSISTED", {"ASSISTED", "NON-ASSISTED"}},
        {"CATEGORY-BAND",
         {"ALL", "160M", "80M", "40M",  "20M",  "15M",  "10M",   "6M",         "4M",
          "2M",  "222",  "432", "902",  "1.2G", "2.3G", "3.4G",  "5.7G",       "10G",
          "24G", "47G",  "75G", "122G", "134G", "241G", "LIGHT", "VHF-3-BAND", "VHF-FM-ONLY"}},
        {"CATEGORY-MODE", {"CW", "DIGI", "FM", "RTTY", "SSB", "MIXED"}},
        {"CATEGORY-OPERATOR", {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
        {"CATEGORY-POWER", {"HIGH", "LOW", "QRP"}},
        {"CATEGORY-STATION",
         {"DISTRIBUTED", "FIXED", "MOBILE", "PORTABLE", "ROVER", "ROVER-LIMITED", "ROVER-UNLIMITED",
          "EXPEDITION", "HQ", "SCHOOL", "EXPLORER"}},
        {"CATEGORY-TIME", {"6-HOURS", "8-HOURS", "12-HOURS", "24-HOURS"}},
        {"CATEGORY-TRANSMITTER", {"ONE", "TWO", "LIMITED", "UNLIMITED", "SWL"}},
        {"CATEGORY-OVERLAY", {"CLASSIC", "ROOKIE", "TB-WIRES", "YOUTH", "NOVICE-TECH", "YL"}},
    };
    return lists;
}

// The RH-OB contest has overlay categories of its own.
constexpr std::string_view kRhobOverlays[] = {"U", "N", "F", "MO"};

constexpr std::string_view kModes3[] = {"CW", "PH", "FM", "RY", "DG"};
constexpr std::string_view kModes2[] = {"CW", "PH", "FM", "RY"};
// Frequencies above 1 GHz are written as band designators.
constexpr std::string_view kBandDesignators[] = {"1.2G", "2.3G", "3.4G", "5.7G", "10G",  "24G",
                                                 "47G",  "75G",  "122G", "134G", "241G", "LIGHT"};
constexpr std::size_t kCallWidth = 13;

template <typename List>
bool in(const List& list, std::string_view v) {
    return std::find(std::begin(list), std::end(list), v) != std::end(list);
}

struct Line {
    long number;
    Text tag;    // upper-cased, without the colon
    Text value;  // trimmed
};

bool only_dots(const Text& v) {
    return !v.empty() && v.find_first_not_of('.') == Text::npos;
}

void check_category(const Line& l, bool version3, const Text& contest, Findings& out) {
    const Text v = upper(l.value);
    if (v.empty()) return;
    if (only_dots(v)) {
        out.add(l.number, hu(u8"nincs kiválasztva a ") + l.tag + hu(u8" értéke"));
        return;
    }
    if (!version3) return;
    if (l.tag == "CATEGORY-OVERLAY" && contest == "RH-OB" && in(kRhobOverlays, v)) return;
    for (const CategoryList& c : category_lists()) {
        if (c.tag == l.tag && !in(c.values, v)) {
            out.add(l.number, hu(u8"a ") + l.tag + hu(u8" értéke nem a listáról való: ") + quoted(v));
        }
    }
}

bool frequency_ok(const Text& f) {
    return (all_digits(f) && !f.empty() && f.size() <= 5) || in(kBandDesignators, upper(f));
}

std::vector<Text> words(std::string_view s) {
    std::vector<Text> out;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
        if (i > start) out.emplace_back(s.substr(start, i - start));
    }
    return out;
}

// "2024-05-01" -> a real date.
bool cabrillo_date(const Text& d) {
    return d.size() == 10 && d[4] == '-' && d[7] == '-' &&
           valid_yyyymmdd(d.substr(0, 4) + d.substr(5, 2) + d.substr(8, 2));
}

void check_qso(const Line& l, bool version3, Findings& out) {
    const std::vector<Text> w = words(l.value);
    if (w.size() < 6) {
        out.add(l.number, hu(u8"a QSO sor túl rövid"));
        return;
    }
    if (!frequency_ok(w[0])) out.add(l.number, hu(u8"hibás frekvencia: ") + quoted(w[0]));
    const Text mode = upper(w[1]);
    if (!(version3 ? in(kModes3, mode) : in(kModes2, mode))) {
        out.add(l.number, cabrillo_date(w[1]) ? hu(u8"hiányzik a mód") : hu(u8"hibás mód: ") + quoted(w[1]));
        return;  // the fields after it stand one place off
    }
    if (!cabrillo_date(w[2])) out.add(l.number, hu(u8"hibás dátum: ") + quoted(w[2]));
    if (!valid_hhmm(w[3])) out.add(l.number, hu(u8"hibás időpont: ") + quoted(w[3]));
    if (!looks_like_callsign(w[4])) {
        out.add(l.number, hu(u8"hibás saját hívójel: ") + quoted(w[4]));
    } else if (w[4].size() > kCallWidth) {
        out.add(l.number, hu(u8"a saját hívójel hosszabb 13 karakternél"));
    }
    const bool worked =
        std::any_of(w.begin() + 5, w.end(), [](const Text& t) { return looks_like_callsign(t); });
    if (!worked) out.add(l.number, hu(u8"hiányzik a vett hívójel"));
}

}  // namespace

std::vector<Finding> check_cabrillo(std::string_view text, const CheckContext& context) {
    Findings out;
    std::vector<Line> lines;
    for (const NumberedLine& n : split_lines(text)) {
        Text t = trim(n.text);
        if (lines.empty() && t.starts_with("\xEF\xBB\xBF")) t.erase(0, 3);
        if (t.empty()) continue;
        const std::size_t colon = t.find(':');
        if (colon == Text::npos) {
            out.add(n.number, hu(u8"nem Cabrillo sor (nincs benne TAG:)"));
            lines.push_back({n.number, {}, t});
            continue;
        }
        lines.push_back({n.number, upper(trim(t.substr(0, colon))), trim(t.substr(colon + 1))});
    }
    if (lines.empty()) return {{1, hu(u8"üres file")}};

    std::map<Text, const Line*> first;
    for (const Line& l : lines) first.try_emplace(l.tag, &l);
    bool version3 = true;
    if (lines.front().tag != "START-OF-LOG") {
        out.add(lines.front().number, hu(u8"az első sor nem START-OF-LOG: 3.0"));
    }
    if (const auto it = first.find("START-OF-LOG"); it != first.end()) {
        const Text& v = it->second->value;
        version3 = v != "2.0";
        if (v != "3.0" && v != "2.0")
            out.add(it->second->number, hu(u8"ismeretlen Cabrillo változat: ") + quoted(v));
    }
    const Line& last = lines.back();
    if (last.tag != "END-OF-LOG") out.add(last.number, hu(u8"az utolsó sor nem END-OF-LOG:"));
    if (const auto it = first.find("END-OF-LOG"); it != first.end() && it->second != &last) {
        out.add(it->second->number, hu(u8"az END-OF-LOG: után még sorok állnak"));
    }

    // Missing tags are told where the header should have held them: before the first QSO.
    const auto qso = std::find_if(lines.begin(), lines.end(), [](const Line& l) { return l.tag == "QSO"; });
    const long header_end = qso == lines.end() ? last.number : qso->number;
    for (std::string_view tag : {"CALLSIGN", "CONTEST"}) {
        if (!first.count(Text(tag))) out.add(header_end, hu(u8"hiányzik a ") + Text(tag) + ": sor");
    }
    if (!first.count("CATEGORY-OPERATOR") && !first.count("CATEGORY")) {
        out.add(header_end, hu(u8"hiányzik a CATEGORY-OPERATOR: sor"));
    }
    if (qso == lines.end()) out.add(header_end, hu(u8"nincs egy QSO sor sem"));

    const Text contest = first.count("CONTEST") ? upper(first["CONTEST"]->value) : Text{};
    for (const Line& l : lines) {
        if (l.tag == "QSO") {
            check_qso(l, version3, out);
        } else if (l.tag == "CALLSIGN" && !looks_like_callsign(l.value)) {
            out.add(l.number, l.value.empty() ? hu(u8"üres a CALLSIGN: sor")
                                              : hu(u8"a CALLSIGN nem hívójel: ") + quoted(l.value));
        } else if (l.tag == "CATEGORY" || l.tag.starts_with("CATEGORY-")) {
            check_category(l, version3, contest, out);
        } else if (l.tag == "CLAIMED-SCORE") {
            const auto claimed = whole_number(l.value);
            if (!claimed) {
                out.add(l.number, hu(u8"a CLAIMED-SCORE nem szám: ") + quoted(l.value));
            } else if (context.claimed_score && *claimed != *context.claimed_score) {
                out.add(l.number, "a CLAIMED-SCORE " + std::to_string(*claimed) + hu(u8", a napló szerint ") +
                                      std::to_string(*context.claimed_score));
            }
        }
    }
    return out.take();
}

}  // namespace loxar
