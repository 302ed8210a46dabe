// The ADIF export of a 10 000-QSO log, as the Export button builds it.
#include "bench.hpp"
#include "exchange/adif_export.hpp"
#include "support/sample_lines.hpp"

namespace {

using namespace loxar;

struct ExportFixture {
    std::vector<Text> lines;
    const ExportStation own{"HA5KDR", "PETER", "BUDAPEST", "JN97MM"};
    void fill() {
        const char* bands[] = {"3,5 MHz", "7 MHz  ", "145 MHz"};
        for (long i = 1; i <= 10000; ++i) {
            lines.push_back(testing::general("HA" + std::to_string(i % 10) + "ABC", i, bands[i % 3]));
        }
    }
};

ExportFixture fixture;

const loxar::bench::Register registered{loxar::bench::Benchmark{
    "export: ADIF of 10 000 QSOs", 50.0, [] { fixture.fill(); },
    [] {
        const Text text = adif_export_text(fixture.lines, ContestType::Iaru, fixture.own);
        loxar::bench::keep(&text);
    }}};

}  // namespace
