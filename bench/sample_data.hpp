// Made-up data the benchmarks share: a callsign database and logs of distinct stations.
#pragma once

#include <random>
#include <string>

#include "session/contest_rules.hpp"
#include "session/session.hpp"
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

}  // namespace loxar::bench
