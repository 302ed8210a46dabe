// Adding a QSO on a log of 10 000: the line, the score, the backup record, the band's working
// file and the automatic save, written to real files in a home of its own.
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench.hpp"
#include "rules/contest_rules.hpp"
#include "sample_data.hpp"
#include "session/qso_entry.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"
#include "support/sample_lines.hpp"
#include "support/temp_home.hpp"

namespace {

using namespace loxar;

struct AddFixture {
    testing::FakePorts fakes;
    testing::TempHome home;
    Session s;
    long added = 0;

    void start(long qsos) {
        fakes.serial.available = true;
        s.ports = fakes.ports();
        if (!Form_Load(s, home.path())) std::abort();
        bench::iaru_station(s);
        for (long i = 1; i <= qsos; ++i)
            s.log_lista.add(testing::general("XX" + std::to_string(i) + "AA", i));
        log_inic_rutin(s);
    }
    void add() {
        const std::size_t before = s.log_lista.size();
        s.qso.kapott_hivojel_text = "HA" + std::to_string(++added) + "ZZ";
        s.qso.kapott_sorszam_text = "001";
        s.qso.kapott_QRA_text = "JN97AA";
        s.qso.log_ido = "2024-05-04/12:30:15";
        hozzaadas_rutin(s);
        if (s.log_lista.size() != before + 1) {
            std::fprintf(stderr, "the QSO was not added: %s\n",
                         fakes.ui.messages.empty() ? "" : fakes.ui.messages.back().c_str());
            std::abort();
        }
    }
};

std::unique_ptr<AddFixture> fixture;

loxar::bench::Register add{{"add QSO: 10 000 QSOs, backup, working file, auto-save", 20.0,
                            [] {
                                fixture = std::make_unique<AddFixture>();
                                fixture->start(10000);
                            },
                            [] { fixture->add(); }, 11}};

}  // namespace
