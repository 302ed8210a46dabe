// A country file read into a table, its list built and looked up, the problems reported.
#include "fuzz_home.hpp"
#include "rules/country_table.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const loxar::CountryFileContents contents =
        loxar::read_country_file(loxar::Text(loxar::fuzz::input(data, size)));
    loxar::country_problems_message("dxcc_list.txt", contents);
    loxar::CountryTable table(contents.records);
    table.dxcc_lista_toltes();
    for (const char* call : {"HA5KDR", "", "R1AN/P"}) table.dxcc_kereses(call);
    // Every prefix of the file, and a callsign built on it, must find a country record.
    for (const loxar::CountryRecord& r : contents.records) {
        table.dxcc_kereses(r.prefix);
        table.dxcc_kereses(r.prefix + "1AB");
    }
    return 0;
}
