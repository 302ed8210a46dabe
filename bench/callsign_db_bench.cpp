// Loading a 50 000-station callsign database and the as-you-type selection on it.
#include <filesystem>
#include <random>

#include "bench.hpp"
#include "core/file_io.hpp"
#include "database/db_lookup.hpp"
#include "support/fake_ports.hpp"

namespace {

using namespace loxar;

struct DbFixture {
    testing::FakePorts fakes;
    Session s;
    std::filesystem::path file = std::filesystem::temp_directory_path() / "loxar_bench.qra";
    bool written = false;

    // 50 000 distinct stations, each with one to four locators, a name and a QTH.
    void write() {
        if (written) return;
        s.ports = fakes.ports();
        std::mt19937 rng(1);
        const char* prefixes[] = {"HA", "HG", "OK", "OM", "S5", "9A", "YO", "DL", "SP", "OE"};
        const char* names[] = {"Istvan", "Janos", "Laszlo", "Peter", "Zoltan", "Gabor", "Anna", "Eva"};
        auto letter = [&rng] { return static_cast<char>('A' + rng() % 26); };
        Text bytes = "QRA lista\r\n";
        for (int i = 0; i < 50000; ++i) {
            Text call = Text(prefixes[i % 10]) + static_cast<char>('0' + (i / 10) % 10);
            for (int k = i / 100; k > 0 || call.size() < 5; k /= 26) call += static_cast<char>('A' + k % 26);
            Text locators;
            for (int n = 1 + static_cast<int>(rng() % 4); n > 0; --n) {
                locators += Text{letter(), letter(), static_cast<char>('0' + rng() % 10),
                                 static_cast<char>('0' + rng() % 10), letter(), letter()} + ",";
            }
            bytes += call + ";" + locators + ";" + names[rng() % 8] + ";QTH" + std::to_string(rng() % 5000) +
                     ";" + std::to_string(rng() % 20) + ";Nem;000\r\n";
        }
        write_file_atomic(file, bytes);
        written = true;
    }
};

DbFixture fixture;

loxar::bench::Register load{{"callsign db: load 50 000 stations", 200.0, [] { fixture.write(); },
                             [] { adatbazis_beolvasas(fixture.s, fixture.file); }, 5}};

// A text held by one station near the end of the sorted list: the longest walk an index can make.
loxar::bench::Register select{{"callsign db: as-you-type selection", 1.0,
                               [] {
                                   fixture.write();
                                   adatbazis_beolvasas(fixture.s, fixture.file);
                                   const CallsignDb& db = fixture.s.qra_sort_lista;
                                   fixture.s.qso.kapott_hivojel_text = trim(col(db.at(db.size() - 3), 2, 5));
                               },
                               [] {
                                   database_select_typed(fixture.s);
                                   loxar::bench::keep(&fixture.s.qra_sort_lista);
                               },
                               50}};

// Three letters no station holds: every record is looked at.
loxar::bench::Register miss{{"callsign db: as-you-type selection, no station holds it", 1.0,
                             [] {
                                 fixture.write();
                                 adatbazis_beolvasas(fixture.s, fixture.file);
                                 fixture.s.qso.kapott_hivojel_text = "QQZ";
                             },
                             [] { database_select_typed(fixture.s); }, 50}};

// One keystroke after another while a callsign is typed.
loxar::bench::Register typing{{"callsign db: typing a callsign (6 keystrokes)", 6.0,
                               [] {
                                   fixture.write();
                                   adatbazis_beolvasas(fixture.s, fixture.file);
                               },
                               [] {
                                   const Text call = "YO7ZBC";
                                   for (std::size_t n = 1; n <= call.size(); ++n) {
                                       fixture.s.qso.kapott_hivojel_text = call.substr(0, n);
                                       database_select_typed(fixture.s);
                                   }
                               },
                               50}};

}  // namespace
