// Per-QSO points and multiplier markers of the marker contests: the same rules serve the QSO being
// entered and the re-evaluation of a whole log.
#pragma once

#include <array>
#include <vector>

#include "model/country_lookup.hpp"
#include "text/text.hpp"

namespace loxar {

// What the country and oblast lookups tell about a worked station.
struct StationCountry {
    int country_index = 0;  // 0: no country known
    Text continent;         // "EU" ...; for a Russian station the continent of its oblast
    Text country_name;      // the record's name, trimmed
    Text zones;             // ITU zone list ("19;20;29;30"); a Russian station's oblast zone
    bool russian = false;   // "Russia" or "Kaliningrad"
    Text oblast_name;       // Russian stations only
    Text oblast_code;       // two letters; empty when the oblast is not known
    int oblast_index = 0;   // 0: no oblast known
};

bool is_russian_country(const Text& country_name);
// The country part of a country record (the country lookup's result).
StationCountry country_of_record(const Text& record);
// Takes name, code, zone and continent from an oblast table entry. A lookup that found no oblast
// keeps the country's continent and zones.
void apply_oblast(StationCountry& c, const Text& oblast_entry);
// Country of a callsign and, for Russian stations, its oblast.
StationCountry station_country(const CountryLookup& countries, const std::vector<Text>& oblast_entries,
                               const Text& callsign);
// The oblast mark key of a two-letter oblast code: 1 + 26 × first letter + second letter (1..676),
// so every entry of one oblast shares one key whatever its call areas; 0 for anything else.
int oblast_index(const Text& oblast_code);
// Information label: oblast (when known), country and continent.
Text station_label(const StationCountry& c);

// Band index of a line's band field (columns 108-114): the band-table entry it names or, when a
// frequency in kHz stands there, the band that frequency lies in; 0 ("---") when neither.
int line_band_index(const Text& band_field);

// Points of the marker contests.
int hadx_points(const StationCountry& c);                        // 1 HA, 5 outside Europe, 3
int rudx_points(const StationCountry& c, const Text& callsign);  // 10 Russian, 2 HA/HG, 5, 3
bool ref_scored_call(const Text& callsign);                      // begins with F, TM or TK
int ref_points(const Text& callsign, const Text& continent);     // 3 outside Europe, 1, 0
int hskc_category_points(char category);                         // 3 for A, 1 for B, 0
// The rule file's mode multiplier of a line's mode: the FM value for FM/RTT/SST/ATV, the SSB
// value, the CW value, 1 for any other mode.
long long mode_multiplier(const Text& mode, const std::array<short, 6>& rule_values);
// Distance × mode multiplier × band multiplier of CQ-BP.
long long cqbp_points(long long distance, const Text& mode, int band_index,
                      const std::array<short, 6>& rule_values);

// NMARK: the distance factor and points every QSO gets.
inline const Text kNmarkFactor = "2";
inline const Text kNmarkPoints = "1";

// HSKC multiplier key of a home callsign: the first digit (from the second character on) that a
// non-digit follows, with that character; otherwise the last two characters.
Text hskc_key(const Text& home_callsign);
// REF multiplier key: the exchange (numbers without leading zeros) and the band padded to 8.
Text ref_exchange_key(const Text& exchange);
Text ref_multiplier_key(const Text& exchange, const Text& band);

// The mark key of a received ITU zone; -1 when the field holds no zone number.
int skm_zone_key(const Text& zone);

}  // namespace loxar
