// loxar-cli dxcc: the country the lookup finds for a callsign in the home's country file.
#include <iostream>

#include "cli/commands.hpp"
#include "model/file_io.hpp"
#include "rules/country_table.hpp"

namespace loxar::cli {

namespace {

const char* const kDxccHelp =
    "loxar-cli dxcc HÍVÓJEL [--home DIR]\n"
    "\n"
    "A hívójel DXCC országa a SYSTEM/dxcc_list.txt országtáblából, ahogy a naplóablak\n"
    "megtalálja (a tábla utolsó egyező prefixe dönt). Egy sor, tabulátorral elválasztva:\n"
    "ORSZÁGSZÁM  NÉV  KONTINENS  ITU-ZÓNÁK, például \"239\tHungary\tEU\t28\".\n"
    "\n"
    "  - A hívójelet nagybetűsítve keresi.\n"
    "  - Ha egyik prefix sem illik rá: \"Unknown DXCC: \" és a hívójel, kilépési kód 1.\n"
    "  - Az országtábla hibás sorait a hibaüzenet felsorolja; a jó sorokkal dolgozik tovább.\n";

}  // namespace

int run_dxcc(const Args& a) {
    if (a.help) {
        std::cout << kDxccHelp;
        return kOk;
    }
    if (a.positional.size() != 1 || !a.options.empty()) return kUsage;
    const auto home = prepare_home(a);
    if (!home) return kRefused;

    const auto file = home->paths.system_dir / kCountryFile;
    CountryFileContents contents = load_country_file(file);
    if (!contents.problems.empty()) error(country_problems_message(text_path(file), contents));
    CountryTable table(contents.records);
    table.dxcc_lista_toltes();

    // The callsign field upper-cases what is typed, so the command does the same.
    const Text callsign = upper_hu(trim(input_to_cp1250(a.positional[0])));
    const Text record = table.dxcc_kereses(callsign);
    if (col(record, 1, 3) == "000") {
        error("Unknown DXCC: " + callsign);
        return kRefused;
    }
    print(col(record, 1, 3) + "\t" + trim(col(record, 13, 32)) + "\t" + col(record, 45, 2) + "\t" +
          trim(col(record, 60, 48)) + "\n");
    return kOk;
}

}  // namespace loxar::cli
