// loxar-cli qrb: distance, points and bearing between two locators, as the log panel shows them.
#include <iostream>

#include "cli/commands.hpp"
#include "rules/locator.hpp"

namespace loxar::cli {

namespace {

const char* const kQrbHelp =
    "loxar-cli qrb SAJÁT KAPOTT [--multiplier N]\n"
    "\n"
    "A saját és a kapott QRA lokátor közötti távolság, pontszám és irányszög, ahogy a\n"
    "naplóablak mutatja: \"TÁVOLSÁG PONTSZÁM IRÁNYSZÖG\" egy szóközzel elválasztva,\n"
    "például \"00093 00093 53\" (JN97MM KN08AA).\n"
    "\n"
    "  - A lokátor 6 karakter: két betű A-R, két számjegy, két betű A-X. Kisbetűvel is\n"
    "    elfogadott (nagybetűsítve számol); más lokátorra \"Hibás QRA formátum!\",\n"
    "    kilépési kód 1.\n"
    "  - Azonos lokátorok: 5 km, irányszög 0 (\"00005 00005 0\").\n"
    "  - A kapott \"AA00AA\" hiányzó lokátort jelent: \"00000 00000 -\";\n"
    "    a \"-\" a hiányzó irányszög.\n"
    "  - --multiplier N: a szorzó (16 bites egész, alapértelmezés 1); a pontszám távolság × N.\n";

}  // namespace

int run_qrb(const Args& a) {
    if (a.help) {
        std::cout << kQrbHelp;
        return kOk;
    }
    if (a.positional.size() != 2 || !only_options(a, {"--multiplier"})) return kUsage;
    short multiplier = 1;
    if (auto m = option(a, "--multiplier")) {
        auto value = to_short(*m);
        if (!value) {
            error(hu(u8"A szorzó 16 bites egész szám legyen (-32768 ... 32767)."));
            return kUsage;
        }
        multiplier = *value;
    }
    // The window's fields upper-case what is typed, so the command does the same.
    const Text own = upper_hu(trim(a.positional[0]));
    const Text partner = upper_hu(trim(a.positional[1]));
    if (!locator_to_coords(own) || !locator_to_coords(partner)) {
        error(hu(u8"Hibás QRA formátum!"));
        return kRefused;
    }
    const Qrb r = qrb_between(partner, own);
    const Text bearing = bearing_field(r.bearing);
    print(distance_field(r.distance) + " " + points_field(multiplier, r.distance) + " " +
          (bearing.empty() ? Text("-") : bearing) + "\n");
    return kOk;
}

}  // namespace loxar::cli
