// Made-up data the benchmarks share: a callsign database and logs of distinct stations.
#pragma once

#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "session/contest_rules.hpp"
#include "session/session.hpp"
#include "statistics/map_data.hpp"
#include "statistics/map_projection.hpp"
#include "support/sample_lines.hpp"
#include "text/text.hpp"

namespace loxar::bench {

// An IARU contest on SSB with own data that pass the check and the automatic save on.
inline void iaru_station(Session& s) {
    s.szabaly_combo.set(static_cast<int>(ContestType::Iaru));
    szabaly_combo_Click(s);
    s.station.hivojel_text = "HA5XX";
    s.station.QRA_text = "JN97AA";
    s.station.verseny_neve_text = "BENCH";
    s.auto_mentes_combo.set(1);
    s.qso.kezelo_text = "OPNAME";
    s.qso.sex_combo.set(2);
    s.qso.mod_combo.set(1);
}

// The i-th of a run of distinct callsigns: HA0AA, HG0AA ... OE9ZZZ ..., ten countries.
inline Text sample_call(long i) {
    static const char* const prefixes[] = {"HA", "HG", "OK", "OM", "S5", "9A", "YO", "DL", "SP", "OE"};
    Text call = Text(prefixes[i % 10]) + static_cast<char>('0' + (i / 10) % 10);
    for (long k = i / 100; k > 0 || call.size() < 5; k /= 26) call += static_cast<char>('A' + k % 26);
    return call;
}

// A database file of `stations` of those callsigns, each with one to four locators, a name and
// a QTH.
inline Text sample_database(int stations) {
    std::mt19937 rng(1);
    const char* names[] = {"Istvan", "Janos", "Laszlo", "Peter", "Zoltan", "Gabor", "Anna", "Eva"};
    // Valid locators: field letters A-R, square digits, subsquare letters A-X.
    auto letter = [&rng](unsigned letters) { return static_cast<char>('A' + rng() % letters); };
    Text bytes = "QRA lista\r\n";
    for (int i = 0; i < stations; ++i) {
        Text locators;
        for (int n = 1 + static_cast<int>(rng() % 4); n > 0; --n) {
            locators += Text{letter(18),
                             letter(18),
                             static_cast<char>('0' + rng() % 10),
                             static_cast<char>('0' + rng() % 10),
                             letter(24),
                             letter(24)} +
                        ",";
        }
        bytes += sample_call(i) + ";" + locators + ";" + names[rng() % 8] + ";QTH" +
                 std::to_string(rng() % 5000) + ";" + std::to_string(rng() % 20) + ";Nem;000\r\n";
    }
    return bytes;
}

// A log of `qsos` lines on one band, numbered from 1, the stations taken from the database's
// callsigns and then beyond them.
inline void add_sample_log(ListBox& log, long qsos) {
    for (long i = 1; i <= qsos; ++i) log.add(testing::general(sample_call(i * 7), i));
}

// A VHF contest log of `qsos` lines around central Europe as the map sees one: most stations
// within a few hundred kilometres of JN97KK, fewer the further out, some far away on 2 m, the
// higher bands shorter; each station's callsign from the country it lies in.
inline std::vector<Text> sample_vhf_log(long qsos) {
    struct Country {
        const char* prefix;
        double lat, lon;
    };
    static const Country countries[] = {
        {"HA", 47.2, 19.4}, {"OE", 47.5, 14.5}, {"OK", 49.8, 15.5}, {"OM", 48.7, 19.5}, {"S5", 46.1, 14.8},
        {"9A", 45.3, 16.0}, {"YU", 44.0, 20.8}, {"YO", 45.8, 24.9}, {"LZ", 42.7, 25.3}, {"SP", 52.1, 19.4},
        {"DL", 51.0, 10.4}, {"F", 46.6, 2.4},   {"I", 43.0, 12.5},  {"G", 52.5, -1.5},  {"PA", 52.2, 5.5},
        {"ON", 50.6, 4.6},  {"HB9", 46.8, 8.2}, {"UR", 49.0, 31.0}, {"LY", 55.3, 23.9}, {"OZ", 56.0, 9.5},
        {"SM", 59.0, 15.5}, {"EA", 40.3, -3.7}, {"SV", 39.5, 22.0}, {"E7", 44.2, 17.8}, {"Z3", 41.6, 21.7},
        {"T7", 43.9, 12.4}, {"OH", 61.5, 24.5}, {"ES", 58.7, 25.5}, {"YL", 56.9, 24.6}, {"LA", 60.5, 9.5},
    };
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> unit(0, 1);
    const GeoPoint home = *locator_centre("JN97KK");
    const MapProjection proj(home);
    std::vector<Text> lines;
    for (long i = 1; i <= qsos; ++i) {
        const double pick = unit(rng);
        const char* band = pick < 0.62 ? "145 MHz" : pick < 0.88 ? "435 MHz" : "1,3 GHz";
        const double reach = pick < 0.62 ? 420 : pick < 0.88 ? 260 : 170;
        // Distances fall off like a contest's: many near, a long tail, a few openings far out.
        double km = -reach * std::log(1 - unit(rng) * 0.995);
        if (pick < 0.62 && unit(rng) < 0.04) km = 900 + unit(rng) * 900;
        const double heading = unit(rng) * 2 * std::numbers::pi;
        const std::optional<GeoPoint> at = proj.inverse({km * std::sin(heading), km * std::cos(heading)});
        if (!at || at->lat > 66 || at->lat < 35 || at->lon < -10 || at->lon > 35) {
            --i;
            continue;
        }
        const Country* nearest = &countries[0];
        double best = 1e9;
        for (const Country& c : countries) {
            const double d = great_circle_km(*at, {c.lat, c.lon});
            if (d < best) best = d, nearest = &c;
        }
        Text call = Text(nearest->prefix) + static_cast<char>('0' + rng() % 10);
        for (int k = 0; k < 2 + static_cast<int>(rng() % 2); ++k) call += static_cast<char>('A' + rng() % 26);
        const Text locator = locator_at(*at);
        const Text distance = distance_field(qrb_between(locator, "JN97KK").distance);
        testing::Worked q{.call = call, .loc = locator, .dist = distance, .pts = distance, .band = band};
        q.num = zero_pad(i, 5);
        q.time = "2024-05-04/" + zero_pad(14 + i * 24 / (qsos + 1), 2) + ":" + zero_pad(i % 60, 2) + ":00";
        lines.push_back(testing::line_of(ContestType::Iaru, q));
    }
    return lines;
}

}  // namespace loxar::bench
