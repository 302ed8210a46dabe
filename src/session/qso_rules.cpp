// Markers and the SILENT KEY MEM evaluation against the session's worked marks and keys.
#include "session/qso_rules.hpp"

#include "model/bands.hpp"
#include "session/scoring.hpp"

namespace loxar {

Text hadx_marker(const Session& s, const StationCountry& c, int band, bool mode_chosen) {
    if (!mode_chosen) return "--/--";
    // A callsign of no known country is no country multiplier.
    const bool new_country = c.country_index > 0 && !country_marked(s, c.country_index, band);
    return new_country ? "DX/--" : "--/--";
}

Text rudx_marker(const Session& s, const StationCountry& c, int band, bool mode_chosen) {
    if (!mode_chosen) return "--/--";
    const bool new_country = c.country_index > 0 && !country_marked(s, c.country_index, band);
    const bool new_oblast = c.russian && c.oblast_index > 0 && !oblast_marked(s, c.oblast_index, band);
    return Text(new_country ? "DX/" : "--/") + (new_oblast ? "OB" : "--");
}

SkmEvaluation skm_evaluation(const Session& s, const StationCountry& c, const Text& zone_field,
                             const Text& remembered_callsign, int band) {
    SkmEvaluation e;
    e.label = station_label(c) + "  ITU: " + c.zones;
    e.zone = zone_field;
    if (!c.zones.empty() && c.zones.find(';') == Text::npos) e.zone = c.zones;
    const Text zone = trim(e.zone);

    long long points = zone == "28" ? 1 : (c.continent == "EU" ? 3 : 5);
    const int zone_key = skm_zone_key(zone);
    // A zone that is not a number is no zone multiplier.
    const bool new_zone = zone_key > 0 && !country_marked(s, zone_key, band);

    const Text remembered = trim(remembered_callsign);
    bool has_digit = false, has_other = false;
    for (char ch : remembered) (is_digit(ch) ? has_digit : has_other) = true;
    bool new_key = false;
    if (has_digit && has_other) {
        const Text key = remembered + pad_cut(band_name(band), 8);
        if (!has_multiplier_key(s, key)) {
            new_key = true;
            e.held_key = key;
            ++points;
        }
    }
    e.points = zero_pad(points, 5);
    e.result = Text(new_zone ? "IT/" : "--/") + (new_key ? "SK" : "--");
    return e;
}

}  // namespace loxar
