// Loading the shipped country file and looking callsigns up in it.
#include <random>

#include "bench.hpp"
#include "model/default_data.hpp"
#include "rules/country_table.hpp"

namespace {

using namespace loxar;

struct DxccFixture {
    std::filesystem::path file;
    CountryTable table;
    std::vector<Text> calls;
    void setup() {
        if (auto dir = find_data_dir()) file = *dir / kCountryFile;
        table = CountryTable(load_country_file(file).records);
        table.dxcc_lista_toltes();
        // Calls from every record's prefix plus calls no prefix knows, which walk the whole list.
        std::mt19937 rng(7);
        const auto& list = table.dxcc_lista();
        for (int i = 0; i < 10000; ++i) {
            Text prefix = list.empty() ? Text("QQ") : trim(col(list[rng() % list.size()], 9, 7));
            calls.push_back(i % 10 == 0 ? Text("QQ1XYZ") : prefix + "1ABC");
        }
    }
};

DxccFixture fixture;

loxar::bench::Register load{{"dxcc: load and list the shipped country file", 50.0, [] { fixture.setup(); },
                             [] {
                                 CountryTable t(load_country_file(fixture.file).records);
                                 t.dxcc_lista_toltes();
                                 loxar::bench::keep(&t);
                             }}};

loxar::bench::Register lookups{{"dxcc: 10 000 lookups", 100.0, nullptr, [] {
                                    std::size_t found = 0;
                                    for (const Text& call : fixture.calls) {
                                        found += fixture.table.dxcc_kereses(call)[0] != '0';
                                    }
                                    loxar::bench::keep(&found);
                                }}};

}  // namespace
