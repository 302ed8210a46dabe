// The live duplicate search that runs on every keystroke in the callsign field; three typed
// characters are the widest search.
#include "bench.hpp"
#include "core/duplicates.hpp"
#include "core/startup.hpp"
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
};

SearchFixture fixture;

loxar::bench::Register search{{"duplicates: live search in 10 000 QSOs", 1.0,
                               [] { fixture.fill(10000); },
                               [] {
                                   dupla_qso_ellenorzes(fixture.s);
                                   loxar::bench::keep(&fixture.s.talalt_log_lista);
                               },
                               21}};

}  // namespace
