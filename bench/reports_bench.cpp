// Building each report format of a 10 000-QSO log as the report button does.
#include <memory>

#include "bench.hpp"
#include "reports/cabrillo_report.hpp"
#include "session/report_panel.hpp"
#include "session/startup.hpp"
#include "support/fake_ports.hpp"
#include "support/sample_lines.hpp"

namespace {

using namespace loxar;
namespace t = loxar::testing;

constexpr long kQsos = 10000;

// The log lines of the layout a format reads: general, QRP, SKM, NMARK or SWL.
Text line_for(int format, long i) {
    const Text call = "HA" + std::to_string(i % 10) + static_cast<char>('A' + i % 26) +
                      static_cast<char>('A' + (i / 26) % 26);
    const char* bands[] = {"3,5 MHz", "7 MHz  ", "145 MHz"};
    const Text band = bands[i % 3];
    switch (format) {
        case kFormatHaQrp:
        case kFormatDx: return t::qrp(call, band);
        case kFormatNmark: return t::nmark(call, band);
        case kFormatSwl: return t::swl(call, "HA9ZZ", band, "00007", i);
        case kFormatSkmc:
            return "2014-04-22/09:50:50=" + pad_cut(call, 13) +
                   "=599/XX2BBB       =599=XX3CCC       =CW =IT/SK=00002=" + zero_pad(i, 5) +
                   "=OPNAME        =" + band + "=28=";
        default: {
            // A received sex on every line, so the YL-OM report runs to the end.
            Text l = t::general(call, i, band);
            l[57] = 'N';
            return l;
        }
    }
}

struct ReportFixture {
    t::FakePorts fakes;
    Session s;
    void fill(int format) {
        s.ports = fakes.ports();
        form_inic(s);
        s.log_lista.clear();
        for (long i = 1; i <= kQsos; ++i) s.log_lista.add(line_for(format, i));
        s.formatum_combo.set(format);
        if (format == kFormatEdif) QSO_lista_toltes(s);
    }
};

const char* const kNames[] = {"EDIF", "YLOM", "HA-DX", "CQ-WW-VHF", "HA-QRP", "RH-OB", "RDXC-ALL", "RDXC-TWO",
                              "HSKC", "SKMC", "DX",    "EXCHANGE",  "NMARK",  "REF",   "SWL"};

// One fixture per format, made when its benchmark is set up.
struct Registrations {
    std::vector<std::unique_ptr<ReportFixture>> fixtures;
    std::vector<loxar::bench::Register> registered;
    Registrations() {
        for (int f = 0; f < kFormatCount; ++f) {
            fixtures.push_back(std::make_unique<ReportFixture>());
            ReportFixture* fx = fixtures.back().get();
            registered.emplace_back(loxar::bench::Benchmark{
                std::string("reports: ") + kNames[f] + " of 10 000 QSOs", 50.0, [fx, f] { fx->fill(f); },
                [fx, f] {
                    const std::optional<Text> r = build_report(fx->s, f);
                    loxar::bench::keep(&r);
                },
                5});
        }
    }
};

Registrations registrations;

}  // namespace
