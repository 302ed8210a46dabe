// One keystroke in the callsign field on a full log with a 50 000-station database: the key
// filter, the live duplicate search and the narrowing of the database list, as the window runs
// them. The third character is the widest search.
#include <cstdlib>
#include <memory>

#include "bench.hpp"
#include "database/db_lookup.hpp"
#include "model/file_io.hpp"
#include "rules/contest_rules.hpp"
#include "sample_data.hpp"
#include "session/contest_rules.hpp"
#include "session/db_lookup.hpp"
#include "session/qso_entry.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"
#include "support/temp_home.hpp"

namespace {

using namespace loxar;

struct KeyFixture {
    testing::FakePorts fakes;
    testing::TempHome home;
    Session s;

    KeyFixture() {
        fakes.serial.available = true;
        s.ports = fakes.ports();
        if (!Form_Load(s, home.path())) std::abort();
        s.szabaly_combo.set(static_cast<int>(ContestType::Iaru));
        szabaly_combo_Click(s);
        const auto db = home.path() / "SYSTEM" / "bench.qra";
        if (!write_file_atomic(db, bench::sample_database(50000))) std::abort();
        adatbazis_beolvasas(s, db);
        if (s.db.qra_sort_lista.size() != 50000) std::abort();
        s.log_lista.clear();
        bench::add_sample_log(s.log_lista, 99999);
        s.qso.kapott_hivojel_text = "HA";
        entry_field_changed(s, Control::kapott_hivojel_text);  // the loaded log is indexed once
    }
    void key(char typed) {
        char c = typed;
        if (entry_key_press(s, Control::kapott_hivojel_text, c)) std::abort();
        s.qso.kapott_hivojel_text += c;
        entry_field_changed(s, Control::kapott_hivojel_text);
        bench::keep(&s.worked.talalt_log_lista);
    }
};

std::unique_ptr<KeyFixture> fixture;

loxar::bench::Register third{{"keystroke: 99 999 QSOs, 50 000 stations, core", 1.0,
                              [] { fixture = std::make_unique<KeyFixture>(); }, [] { fixture->key('5'); }, 21,
                              [] { fixture->s.qso.kapott_hivojel_text = "HA"; }}};

}  // namespace
