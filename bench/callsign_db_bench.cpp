// Loading a 50 000-station callsign database and the as-you-type selection on it.
#include <cstdlib>
#include <filesystem>

#include "bench.hpp"
#include "model/file_io.hpp"
#include "sample_data.hpp"
#include "session/db_lookup.hpp"
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
        const Text bytes = loxar::bench::sample_database(50000);
        if (!write_file_atomic(file, bytes)) std::abort();
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
                                   const CallsignDb& db = fixture.s.db.qra_sort_lista;
                                   fixture.s.qso.kapott_hivojel_text = trim(col(db.at(db.size() - 3), 2, 5));
                               },
                               [] {
                                   database_select_typed(fixture.s);
                                   loxar::bench::keep(&fixture.s.db.qra_sort_lista);
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
