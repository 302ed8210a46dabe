// The live duplicate search that runs on every keystroke in the callsign field; three typed
// characters are the widest search.
#include "bench.hpp"
#include "session/duplicates.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"

namespace {

using namespace loxar;

struct SearchFixture {
    testing::FakePorts fakes;
    Session s;
    void fill(long n) {
        s.ports = fakes.ports();
        form_inic(s);
        s.szabaly_combo.set(static_cast<int>(ContestType::Iaru));
        s.log_lista.clear();
        const char* bands[] = {"145 MHz", "435 MHz"};
        for (long i = 1; i <= n; ++i) {
            const Text call = "HA" + std::to_string(i % 10) + static_cast<char>('A' + i % 26) +
                              static_cast<char>('A' + (i / 26) % 26) +
                              static_cast<char>('A' + (i / 676) % 26);
            s.log_lista.add("2016-07-23/11:29:31=" + pad_cut(call, 20) +
                            "=059/0001/JN96  /.=059/0001=SSB=F=" + "00001/00001=" + zero_pad(i, 5) +
                            "=              =" + bands[(i / 3) % 2] + "=");
        }
        s.qso.band_text = "145 MHz";
        s.qso.kapott_hivojel_text = "HA5";
    }
    void search() {
        dupla_qso_ellenorzes(s);
        loxar::bench::keep(&s.worked.talalt_log_lista);
    }
};

SearchFixture fixture;

loxar::bench::Register search{{"duplicates: live search in 10 000 QSOs", 1.0,
                               [] {
                                   fixture.fill(10000);
                                   fixture.search();  // the log was loaded: its index is built once
                               },
                               [] { fixture.search(); }, 21}};

loxar::bench::Register full_log{{"duplicates: live search in 99 999 QSOs", 1.0,
                                 [] {
                                     fixture.fill(99999);
                                     fixture.search();
                                 },
                                 [] { fixture.search(); }, 21}};

// What the first keystroke after a whole-log change (loading, renumbering) costs once.
loxar::bench::Register reindex{{"duplicates: first search after a change of 99 999 QSOs", 100.0,
                                [] { fixture.fill(99999); },
                                [] {
                                    fixture.s.log_lista.set(0, fixture.s.log_lista.at(0));
                                    fixture.search();
                                },
                                5}};

}  // namespace
