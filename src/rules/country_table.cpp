// The DXCC country table: reading "dxcc_list.txt", the country list, the lookup and the counts.
#include "rules/country_table.hpp"

#include <algorithm>
#include <system_error>
#include <variant>

#include "model/file_io.hpp"
#include "text/list_input.hpp"

namespace loxar {

namespace {

constexpr std::size_t kFieldCount = 7;

// Control bytes never occur in a country line; a line holding them is binary garbage.
bool has_control_bytes(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\t') || u == 0x7f;
    });
}

// 0..999: a 3-digit index is all the record columns hold.
std::optional<int> country_index(const Text& field) {
    if (field.empty() || field.size() > 9) return std::nullopt;
    if (!std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int value = std::stoi(field);
    if (value > 999) return std::nullopt;
    return value;
}

// The record of one line, or the reason it is refused.
std::variant<CountryRecord, Text> parse_country_line(std::string_view raw) {
    if (raw.size() > kMaxCountryLineLength) return hu(u8"túl hosszú sor");
    if (has_control_bytes(raw)) return hu(u8"olvashatatlan (nem szöveges) karakterek");
    const Text line = input_to_cp1250(raw);
    auto fields = list_input_fields(line);
    if (!fields) return hu(u8"lezáratlan idézőjel");
    if (fields->size() != kFieldCount) {
        return std::to_string(fields->size()) + hu(u8" mező van benne 7 helyett");
    }
    const auto& f = *fields;
    auto index = country_index(f[0]);
    if (!index) return hu(u8"az ország sorszáma nem 0 és 999 közötti szám: ") + f[0];
    if (f[1].size() > kMaxPrefixLength) return hu(u8"a prefix hosszabb 7 karakternél: ") + f[1];
    CountryRecord r;
    r.index = zero_pad(*index, 3);
    r.prefix = f[1];
    r.prefix_length = std::to_string(f[1].size());
    r.name = f[2];
    r.continent = pad_cut(f[3], 2);
    r.zones = f[4];
    r.field6 = f[5];
    r.field7 = f[6];
    return r;
}

}  // namespace

CountryFileContents read_country_file(const Text& bytes) {
    CountryFileContents out;
    auto problem = [&out](std::size_t line, Text reason) {
        if (out.problem_count++ < kMaxKeptCountryProblems) out.problems.push_back({line, std::move(reason)});
    };
    std::size_t number = 0;
    LineCursor cursor(bytes);
    for (std::string_view raw; cursor.next(raw);) {
        ++number;
        if (trim(raw).empty()) continue;
        auto parsed = parse_country_line(raw);
        if (auto* reason = std::get_if<Text>(&parsed)) {
            problem(number, std::move(*reason));
        } else if (out.records.size() >= kCountrySlots) {
            problem(number, hu(u8"az 1001. rekord után már nem fér a táblába"));
        } else {
            out.records.push_back(std::get<CountryRecord>(std::move(parsed)));
        }
    }
    return out;
}

CountryFileContents load_country_file(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return {};
    auto bytes = read_file(path);
    if (!bytes) {
        return {{},
                {{0, hu(u8"a fájl nem olvasható, vagy nagyobb ") +
                         std::to_string(kMaxInputFileBytes / (1024 * 1024)) + hu(u8" MB-nál")}},
                1};
    }
    return read_country_file(*bytes);
}

Text country_problems_message(const Text& file, const CountryFileContents& contents, std::size_t shown) {
    const std::vector<CountryFileProblem>& problems = contents.problems;
    const std::size_t count = std::max(contents.problem_count, problems.size());
    Text m = hu(u8"Hibás sorok a ") + file + hu(u8" fájlban: ") + std::to_string(count) +
             hu(u8" db, ezek kimaradtak az országtáblából.");
    for (std::size_t i = 0; i < problems.size() && i < shown; ++i) {
        m += kCrLf;
        if (problems[i].line > 0) m += std::to_string(problems[i].line) + hu(u8". sor: ");
        // A refused field is quoted back; keep the box readable whatever the field held.
        m += col(problems[i].reason, 1, 120);
    }
    if (count > shown) {
        m += kCrLf + hu(u8"... és még ") + std::to_string(count - shown) + hu(u8" hibás sor.");
    }
    return m;
}

Text country_list_entry(const CountryRecord& r) {
    return pad_cut(r.prefix_length, 1) + "  " + pad_cut(r.index, 3) + "  " + pad_cut(r.prefix, 7) +
           pad_cut(col(r.name, 1, 31), 32) + pad_cut(r.continent, 2) + " " +
           pad_cut(col(r.field7, 1, 10), 12) + pad_cut(r.zones, 48) + pad_cut(r.field6, 5) +
           pad_cut(r.continent, 5);
}

Text country_record_of_entry(const Text& entry) {
    return col_from(entry, 4);
}

Text no_country_record() {
    return pad_cut("000", kCountryRecordLength);
}

CountryTable::CountryTable() : slots_(kCountrySlots) {}

CountryTable::CountryTable(const std::vector<CountryRecord>& records) : slots_(kCountrySlots) {
    std::copy_n(records.begin(), std::min(records.size(), kCountrySlots), slots_.begin());
}

void CountryTable::dxcc_lista_toltes() {
    list_.clear();
    list_prefixes_.clear();
    for (const CountryRecord& r : slots_) {
        if (r.name.empty()) break;
        list_.push_back(country_list_entry(r));
        list_prefixes_.push_back(trim(col(list_.back(), 9, 7)));
    }
}

Text CountryTable::dxcc_kereses(const Text& callsign) const {
    for (std::size_t i = list_.size(); i-- > 0;) {
        if (callsign.starts_with(list_prefixes_[i])) return country_record_of_entry(list_[i]);
    }
    return no_country_record();
}

Text logged_callsign(const Text& line, ContestType type) {
    switch (layout_of(type)) {
        case LineLayout::Qrp: return trim(col(line, 21, 16));
        case LineLayout::Nmark: return trim(col(line, 21, 12));
        case LineLayout::Skm: return trim(col(line, 21, 13));
        case LineLayout::Swl: return trim(col(line, 34, 17));
        case LineLayout::General: break;
    }
    return trim(col(line, 21, 20));
}

CountryCount count_countries(const std::vector<Text>& lines, ContestType type, const CountryLookup& lookup,
                             const std::vector<char>& duplicates) {
    CountryCount c;
    c.qso_counts.assign(kCountrySlots, 0);
    c.new_flags.assign(lines.size(), 0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < duplicates.size() && duplicates[i]) continue;
        const Text callsign = logged_callsign(lines[i], type);
        const Text record = lookup.dxcc_kereses(callsign);
        if (col(record, 1, 3) == "000") {
            c.unknown.push_back(callsign);
            continue;
        }
        // Indexes are stored as 3 digits, so a country already counted is one already listed.
        const int index = country_index_of(record);
        if (index < 0 || static_cast<std::size_t>(index) >= c.qso_counts.size()) continue;
        if (c.qso_counts[static_cast<std::size_t>(index)]++ > 0) continue;
        const Text entry = trim(record);
        c.records.insert(std::upper_bound(c.records.begin(), c.records.end(), entry), entry);
        c.new_flags[i] = 1;
    }
    return c;
}

Text country_name_of(const Text& record) {
    return trim(col(record, 13, 32));
}

}  // namespace loxar
