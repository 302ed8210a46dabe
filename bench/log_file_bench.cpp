// Saving and reloading a long log.
#include <filesystem>

#include "bench.hpp"
#include "session/log_file.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"

namespace {

using namespace loxar;

struct LogFixture {
    testing::FakePorts fakes;
    Session s;
    std::filesystem::path file = std::filesystem::temp_directory_path() / "loxar_bench.log";
    void fill(long n) {
        s.ports = fakes.ports();
        form_inic(s);
        s.log_lista.clear();
        for (long i = 1; i <= n; ++i) {
            s.log_lista.add(
                "2016-07-23/11:29:31=XX1AAA              =059/0001/JN96  /.=059/0001=SSB=F=00001/"
                "00001=" +
                zero_pad(i, 5) + "=              =145 MHz=");
        }
    }
};

LogFixture fixture;

loxar::bench::Register save{{"log file: save 99 999 QSOs", 1000.0, [] { fixture.fill(99999); },
                             [] { (void)log_mentes(fixture.s, fixture.file); }, 3}};

}  // namespace
