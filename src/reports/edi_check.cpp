// The check of an EDI (REG1TEST) report: header tags, the claims against the QSO records, and
// every record's fields, date, time, locator, points and duplicate mark.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "reports/check_support.hpp"
#include "rules/locator.hpp"

namespace loxar {

namespace {

using namespace check;

constexpr std::size_t kRecordFields = 15;

// Tags a robot cannot do without, and of those the ones that must hold a value.
constexpr std::string_view kRequiredTags[] = {"TName", "TDate", "PCall", "PWWLo", "PSect",
                                              "PBand", "CQSOs", "CQSOP", "CToSc"};
constexpr std::string_view kFilledTags[] = {"TName", "TDate", "PCall", "PWWLo", "PBand"};
// Claims whose first field is a count or a score.
constexpr std::string_view kNumericClaims[] = {"CQSOs", "CQSOP", "CWWLs", "CExcs", "CDXCs", "CToSc"};

struct Tagged {
    long line = 0;
    Text value;
};

struct Record {
    long line = 0;
    std::vector<Text> f;
    bool duplicate = false;
};

// The parts of the file, as the sections divide it.
struct EdiFile {
    std::map<Text, Tagged> tags;  // by the tag as written
    long header_end = 0;          // the line that ended the header
    std::optional<long> records_line;
    std::optional<long long> records_claim;  // N of [QSORecords;N], when a number
    std::vector<Record> records;
    bool ended = false;
    long last_line = 1;
};

std::vector<Text> split_fields(std::string_view s) {
    std::vector<Text> out(1);
    for (char c : s) {
        if (c == ';') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

Text first_field(const Text& value) {
    return trim(value.substr(0, value.find(';')));
}

EdiFile read_sections(const std::vector<NumberedLine>& lines, Findings& out) {
    enum class Part { Header, Remarks, Records, End } part = Part::Header;
    EdiFile file;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const NumberedLine& l = lines[i];
        file.last_line = l.number;
        const Text t = trim(l.text);
        const Text u = upper(t);
        if (part == Part::End) break;
        if (u.starts_with("[QSORECORDS")) {
            if (part == Part::Header) file.header_end = l.number;
            part = Part::Records;
            file.records_line = l.number;
            const std::size_t semi = t.find(';');
            const std::size_t close = t.find(']');
            if (semi != Text::npos && close != Text::npos && close > semi) {
                file.records_claim = whole_number(trim(t.substr(semi + 1, close - semi - 1)));
            }
            if (!file.records_claim) out.add(l.number, hu(u8"a [QSORecords;N] sorban nincs szám"));
            continue;
        }
        if (u.starts_with("[END")) {
            if (part == Part::Header) file.header_end = l.number;
            part = Part::End;
            file.ended = true;
            continue;
        }
        if (part == Part::Header && u.starts_with("[REMARKS")) {
            file.header_end = l.number;
            part = Part::Remarks;
            continue;
        }
        if (part == Part::Remarks || t.empty()) continue;
        if (part == Part::Header) {
            const std::size_t eq = t.find('=');
            if (eq == Text::npos || eq == 0) {
                out.add(l.number, hu(u8"nem TAG=érték sor a fejlécben"));
                continue;
            }
            file.tags.try_emplace(Text(trim(t.substr(0, eq))), Tagged{l.number, trim(t.substr(eq + 1))});
            continue;
        }
        Record r{l.number, split_fields(l.text)};
        if (r.f.size() == kRecordFields) r.duplicate = upper(trim(r.f[14])) == "D";
        file.records.push_back(std::move(r));
    }
    if (file.header_end == 0) file.header_end = file.last_line;
    return file;
}

// The contest's first and last day as YYYYMMDD, when TDate holds two dates in order.
struct ContestDays {
    Text first, last;
};

std::optional<ContestDays> check_header(const EdiFile& file, Findings& out) {
    auto tag = [&file](std::string_view name) -> const Tagged* {
        const auto it = file.tags.find(Text(name));
        return it == file.tags.end() ? nullptr : &it->second;
    };
    for (std::string_view name : kRequiredTags) {
        if (!tag(name)) out.add(file.header_end, hu(u8"hiányzik a ") + Text(name) + "= sor");
    }
    for (std::string_view name : kFilledTags) {
        if (const Tagged* t = tag(name); t && t->value.empty()) {
            out.add(t->line, hu(u8"üres a ") + Text(name) + "= sor");
        }
    }
    if (const Tagged* t = tag("PCall"); t && !t->value.empty() && !looks_like_callsign(t->value)) {
        out.add(t->line, hu(u8"a PCall nem hívójel: ") + quoted(t->value));
    }
    if (const Tagged* t = tag("PWWLo"); t && !t->value.empty() && !maidenhead6(t->value)) {
        out.add(t->line, hu(u8"a PWWLo nem 6 karakteres lokátor: ") + quoted(t->value));
    }
    for (std::string_view name : kNumericClaims) {
        const Tagged* t = tag(name);
        if (!t) continue;
        const Text v = first_field(t->value);
        if (!v.empty() && !whole_number(v))
            out.add(t->line, hu(u8"a ") + Text(name) + hu(u8" nem szám: ") + quoted(v));
    }
    const Tagged* date = tag("TDate");
    if (!date || date->value.empty()) return std::nullopt;
    const std::vector<Text> days = split_fields(date->value);
    if (days.size() != 2 || !valid_yyyymmdd(trim(days[0])) || !valid_yyyymmdd(trim(days[1]))) {
        out.add(date->line, hu(u8"a TDate nem két dátum (ÉÉÉÉHHNN;ÉÉÉÉHHNN)"));
        return std::nullopt;
    }
    ContestDays d{trim(days[0]), trim(days[1])};
    if (d.first > d.last) {
        out.add(date->line, hu(u8"a TDate kezdete a vége után van"));
        return std::nullopt;
    }
    return d;
}

void check_record_fields(const Record& r, const std::optional<ContestDays>& days, Findings& out) {
    const std::vector<Text>& f = r.f;
    const Text date = trim(f[0]);
    if (date.size() != 6 || !valid_yyyymmdd("20" + date)) {
        out.add(r.line, hu(u8"hibás dátum: ") + quoted(date));
    } else if (days && ("20" + date < days->first || "20" + date > days->last)) {
        out.add(r.line, hu(u8"a dátum a TDate napjain kívül esik: ") + date);
    }
    if (!valid_hhmm(trim(f[1]))) out.add(r.line, hu(u8"hibás időpont: ") + quoted(trim(f[1])));
    if (!looks_like_callsign(trim(f[2]))) out.add(r.line, hu(u8"hibás hívójel: ") + quoted(trim(f[2])));
    const Text mode = trim(f[3]);
    if (mode.size() != 1 || !is_digit(mode[0])) out.add(r.line, hu(u8"hibás mód kód: ") + quoted(mode));
    if (!maidenhead6(trim(f[9]))) {
        out.add(r.line, hu(u8"a lokátor nem 6 karakteres Maidenhead négyzet: ") + quoted(trim(f[9])));
    }
    if (!whole_number(trim(f[10]))) out.add(r.line, hu(u8"a pontszám nem szám: ") + quoted(trim(f[10])));
    const Text dup = upper(trim(f[14]));
    if (!dup.empty() && dup != "D") out.add(r.line, hu(u8"hibás duplikátum jelölés: ") + quoted(dup));
}

// A repeat of a worked station (the same call and locator) must be marked "D"; a "D" needs an
// earlier QSO with that call.
void check_duplicates(const std::vector<Record>& records, Findings& out) {
    std::map<Text, std::set<Text>> worked;
    for (const Record& r : records) {
        if (r.f.size() != kRecordFields) continue;
        const Text call = upper(trim(r.f[2]));
        const Text locator = upper(trim(r.f[9]));
        const auto it = worked.find(call);
        if (r.duplicate) {
            if (it == worked.end())
                out.add(r.line, hu(u8"D jelölésű, de nincs előtte QSO ezzel a hívójellel"));
            continue;
        }
        if (it != worked.end() && it->second.count(locator)) {
            out.add(r.line, hu(u8"ismételt QSO D jelölés nélkül: ") + call);
        }
        worked[call].insert(locator);
    }
}

struct Scored {
    long line;
    long long points;
    long long distance;
    bool duplicate;
};

// Points against the distance from PWWLo, by the program's own distance. The file's points per
// kilometre is the one most of its longer QSOs show (1 when none); other programs' distances
// differ from ours by a kilometre or so, hence the tolerance.
void check_points(const std::vector<Record>& records, const Text& own, Findings& out) {
    std::vector<Scored> scored;
    for (const Record& r : records) {
        if (r.f.size() != kRecordFields) continue;
        const Text locator = upper(trim(r.f[9]));
        const auto points = whole_number(trim(r.f[10]));
        if (!maidenhead6(locator) || !points) continue;
        const auto d = static_cast<long long>(qrb_between(locator, own).distance);
        scored.push_back({r.line, *points, d, r.duplicate});
    }
    std::map<long long, long> ratios;
    for (const Scored& s : scored) {
        if (!s.duplicate && s.distance >= 50 && s.points > 0)
            ++ratios[(s.points + s.distance / 2) / s.distance];
    }
    long long per_km = 1;
    long best = 0;
    for (const auto& [ratio, count] : ratios) {
        if (count > best && ratio > 0) {
            best = count;
            per_km = ratio;
        }
    }
    for (const Scored& s : scored) {
        const long long expected = per_km * s.distance;
        const long long tolerance = std::max(5 * per_km, expected / 50);
        if (std::llabs(s.points - expected) <= tolerance) continue;
        if (s.duplicate && s.points == 0) continue;
        out.add(s.line, hu(u8"a pontszám ") + std::to_string(s.points) + hu(u8", a távolság alapján ") +
                            std::to_string(expected));
    }
}

void compare(Findings& out, const Tagged* tag, std::string_view name, long long counted, const Text& what) {
    if (!tag) return;
    const auto claimed = whole_number(first_field(tag->value));
    if (!claimed || *claimed == counted) return;
    out.add(tag->line,
            "a " + Text(name) + " " + std::to_string(*claimed) + ", " + what + " " + std::to_string(counted));
}

void check_claims(const EdiFile& file, const CheckContext& context, Findings& out) {
    auto tag = [&file](std::string_view name) -> const Tagged* {
        const auto it = file.tags.find(Text(name));
        return it == file.tags.end() ? nullptr : &it->second;
    };
    long long all = 0, valid = 0, points = 0, new_countries = 0;
    bool country_flags = false;
    std::set<Text> squares;
    for (const Record& r : file.records) {
        ++all;
        if (r.f.size() != kRecordFields || r.duplicate) continue;
        ++valid;
        points += whole_number(trim(r.f[10])).value_or(0);
        if (const Text loc = upper(trim(r.f[9])); maidenhead6(loc)) squares.insert(loc.substr(0, 4));
        if (!trim(r.f[13]).empty()) {
            country_flags = true;
            ++new_countries;
        }
    }
    // Some programs count the duplicates among the QSOs, some do not: either count is a fair claim.
    if (const Tagged* t = tag("CQSOs")) {
        const auto claimed = whole_number(first_field(t->value));
        if (claimed && *claimed != all && *claimed != valid) {
            out.add(t->line, "a CQSOs " + std::to_string(*claimed) + hu(u8", a rekordok száma ") +
                                 std::to_string(all));
        }
    }
    compare(out, tag("CQSOP"), "CQSOP", points, hu(u8"a nem duplikált rekordok pontjainak összege"));
    compare(out, tag("CWWLs"), "CWWLs", static_cast<long long>(squares.size()),
            hu(u8"a rekordok lokátor négyzeteinek száma"));
    if (country_flags) compare(out, tag("CDXCs"), "CDXCs", new_countries, hu(u8"az új DXCC jelölések száma"));
    if (context.qso_points) compare(out, tag("CQSOP"), "CQSOP", *context.qso_points, hu(u8"a napló szerint"));
    if (context.claimed_score)
        compare(out, tag("CToSc"), "CToSc", *context.claimed_score, hu(u8"a napló szerint"));
    if (file.records_claim && *file.records_claim != all && file.records_line) {
        out.add(*file.records_line, "a [QSORecords;" + std::to_string(*file.records_claim) +
                                        hu(u8"], a rekordok száma ") + std::to_string(all));
    }
}

}  // namespace

std::vector<Finding> check_edi(std::string_view text, const CheckContext& context) {
    Findings out;
    const std::vector<NumberedLine> lines = split_lines(text);
    Text first = lines.empty() ? Text{} : trim(lines.front().text);
    if (first.starts_with("\xEF\xBB\xBF")) first.erase(0, 3);
    if (upper(first) != "[REG1TEST;1]") out.add(1, hu(u8"az első sor nem [REG1TEST;1]"));
    const EdiFile file = read_sections(lines, out);
    const std::optional<ContestDays> days = check_header(file, out);
    if (!file.records_line) out.add(file.last_line, hu(u8"hiányzik a [QSORecords;N] sor"));
    for (const Record& r : file.records) {
        if (r.f.size() != kRecordFields) {
            out.add(r.line, hu(u8"a rekordban ") + std::to_string(r.f.size()) + hu(u8" mező van, 15 kell"));
            continue;
        }
        check_record_fields(r, days, out);
    }
    check_duplicates(file.records, out);
    if (const auto it = file.tags.find("PWWLo"); it != file.tags.end() && maidenhead6(it->second.value)) {
        check_points(file.records, upper(it->second.value), out);
    }
    check_claims(file, context, out);
    if (!file.ended) out.add(file.last_line, hu(u8"hiányzik az [END;...] sor"));
    return out.take();
}

}  // namespace loxar
