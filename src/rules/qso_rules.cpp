// Per-QSO points and markers of the marker contests.
#include "rules/qso_rules.hpp"

#include "database/oblast_table.hpp"
#include "model/bands.hpp"
#include "rules/contest_rules.hpp"
#include "rules/scoring.hpp"

namespace loxar {

namespace {

bool is_capital(char c) {
    return c >= 'A' && c <= 'Z';
}

// Amateur bands below the frequency field's 99.999 MHz, in kHz, by band-table index.
struct BandRange {
    long from_khz, to_khz;
    int band;
};
constexpr BandRange kBandRanges[] = {
    {130, 140, 1},      {1800, 2000, 2},    {3500, 4000, 3},    {5000, 5500, 4},   {7000, 7300, 5},
    {10100, 10150, 6},  {14000, 14350, 7},  {18068, 18168, 8},  {21000, 21450, 9}, {24890, 24990, 10},
    {28000, 29700, 11}, {50000, 54000, 12}, {69900, 70500, 13},
};

// The oblast entry's ITU zone (its sixth field).
constexpr std::size_t kOblastZoneColumn = 40;

}  // namespace

bool is_russian_country(const Text& country_name) {
    const Text name = trim(country_name);
    return name == "Russia" || name == "Kaliningrad";
}

StationCountry country_of_record(const Text& record) {
    StationCountry c;
    c.country_index = country_index_of(record);
    c.continent = col(record, 45, 2);
    c.country_name = trim(col(record, 13, 32));
    c.zones = trim(col(record, 60, 48));
    c.russian = is_russian_country(c.country_name);
    return c;
}

void apply_oblast(StationCountry& c, const Text& oblast_entry) {
    c.oblast_name = trim(col(oblast_entry, oblast_col::kName, oblast_col::kNameWidth));
    c.oblast_code = trim(col(oblast_entry, oblast_col::kExchange, oblast_col::kExchangeWidth));
    c.oblast_index = oblast_index(c.oblast_code);
    // The lookup's "not found" and "unknown" texts carry no continent or zone: the country's stay.
    const Text continent = trim(col(oblast_entry, oblast_col::kContinent, oblast_col::kContinentWidth));
    if (!continent.empty()) c.continent = continent;
    const Text zone = trim(col(oblast_entry, kOblastZoneColumn, 2));
    if (c.oblast_index > 0 && !zone.empty()) c.zones = zone;
}

StationCountry station_country(const CountryLookup& countries, const std::vector<Text>& oblast_entries,
                               const Text& callsign) {
    const Text call = trim(callsign);
    StationCountry c = country_of_record(countries.dxcc_kereses(call));
    if (c.russian) apply_oblast(c, oblast_lookup(oblast_entries, call));
    return c;
}

int oblast_index(const Text& oblast_code) {
    if (oblast_code.size() != 2 || !is_capital(oblast_code[0]) || !is_capital(oblast_code[1])) {
        return 0;
    }
    return 1 + 26 * (oblast_code[0] - 'A') + (oblast_code[1] - 'A');
}

Text station_label(const StationCountry& c) {
    Text label;
    if (!c.oblast_name.empty()) label = c.oblast_name + "  ";
    return label + c.country_name + "  " + c.continent;
}

int line_band_index(const Text& band_field) {
    const int exact = find_band_exact(pad_cut(band_field, 7));
    if (exact >= 0) return exact;
    const Text khz = trim(band_field);
    if (!all_digits(khz)) return 0;
    const long long f = int_value(khz);
    for (const BandRange& r : kBandRanges) {
        if (f >= r.from_khz && f <= r.to_khz) return r.band;
    }
    return 0;
}

int hadx_points(const StationCountry& c) {
    if (c.country_name == "Hungary") return 1;
    return c.continent != "EU" ? 5 : 3;
}

int rudx_points(const StationCountry& c, const Text& callsign) {
    if (c.russian) return 10;
    const Text call = trim(callsign);
    if (call.starts_with("HG") || call.starts_with("HA")) return 2;
    return c.continent != "EU" ? 5 : 3;
}

bool ref_scored_call(const Text& callsign) {
    const Text call = trim(callsign);
    return call.starts_with("F") || call.starts_with("TM") || call.starts_with("TK");
}

int ref_points(const Text& callsign, const Text& continent) {
    if (!ref_scored_call(callsign)) return 0;
    return continent != "EU" ? 3 : 1;
}

int hskc_category_points(char category) {
    if (category == 'A') return 3;
    if (category == 'B') return 1;
    return 0;
}

long long mode_multiplier(const Text& mode, const std::array<short, 6>& rule_values) {
    const Text m = trim(mode);
    if (m == "FM" || m == "RTT" || m == "SST" || m == "ATV") return rule_values[kFm];
    if (m == "SSB") return rule_values[kSsb];
    if (m == "CW") return rule_values[kCw];
    return 1;
}

long long cqbp_points(long long distance, const Text& mode, int band_index,
                      const std::array<short, 6>& rule_values) {
    return distance * mode_multiplier(mode, rule_values) * cqbp_band_multiplier(band_index);
}

Text hskc_key(const Text& home_callsign) {
    const Text& h = home_callsign;
    for (std::size_t i = 1; i + 1 < h.size(); ++i) {
        if (is_digit(h[i]) && !is_digit(h[i + 1])) return h.substr(i, 2);
    }
    return h.size() <= 2 ? h : h.substr(h.size() - 2);
}

Text ref_exchange_key(const Text& exchange) {
    const Text e = trim(exchange);
    return all_digits(e) ? std::to_string(int_value(e)) : e;
}

Text ref_multiplier_key(const Text& exchange, const Text& band) {
    return ref_exchange_key(exchange) + pad_cut(trim(band), 8);
}

int skm_zone_key(const Text& zone) {
    const Text z = trim(zone);
    if (!all_digits(z) || z.size() > 3) return -1;
    const int n = static_cast<int>(int_value(z));
    return n > 0 && static_cast<std::size_t>(n) < kMarkKeys ? n : -1;
}

}  // namespace loxar
