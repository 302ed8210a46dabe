// loxar-cli score: the total of a log file as the window shows it after loading it, and the
// log so scored written back as a log file.
#include <filesystem>
#include <iostream>

#include "cli/cli_session.hpp"
#include "cli/commands.hpp"
#include "model/file_io.hpp"
#include "session/log_file.hpp"
#include "session/score_explanation.hpp"
#include "session/scoring.hpp"

namespace loxar::cli {

namespace {

const char* const kScoreHelp =
    "loxar-cli score LOGFILE [--recount] [--explain] [-o KIMENET] [--home DIR]\n"
    "\n"
    "Egy mentett LOG file pontszáma, ahogy a naplóablak mutatja a file betöltése után.\n"
    "A betöltés úgy készíti elő a programot, mint az ablak indulása (szabály file-ok,\n"
    "DXCC tábla, oblast tábla), a file fejléce választja a versenyt, a betöltés végén a\n"
    "sorokat újraszámozza és a pontokat, szorzókat újraértékeli. Kiírás soronként:\n"
    "  Verseny: a verseny típusa\n"
    "  QSO: a QSO-k száma\n"
    "  Összpontszám: az összpontszám\n"
    "  Számláló: a számláló címke (ha van)\n"
    "  Információ: az információs címke, például a YL-OM párok (ha van)\n"
    "  Összesítő: a Cabrillo-összesítő sor (HA-QRP, HSKC, SILENT KEY MEM)\n"
    "\n"
    "  --recount  utána az Újraszámolás gomb is lefut (CQWW-VHF-nél csak az üzenete).\n"
    "  --explain  a fenti helyett QSO-nként egy sor: a QSO pontszáma és az oka (távolság és a\n"
    "             verseny pontszabálya, új szorzó: négyzet, ország, oblaszt, ..., ismétlés és\n"
    "             melyik QSO-é), utána az összesítés: a sorok pontjainak összege és a szorzókkal\n"
    "             kapott összpontszám, ugyanaz, amit a naplóablak mutat.\n"
    "  -o KIMENET ide menti a LOG-ot úgy, ahogy a pontszám készült (betöltve, újraszámozva,\n"
    "             újraértékelve, --recount-tal újraszámolva), a program LOG file formátumában;\n"
    "             az automatikus mentés a fejlécben kikapcsolva. Üres LOG is fejléccel és\n"
    "             \"End\" sorral íródik ki. Sikertelen mentés: kilépési kód 1.\n"
    "  - A parancs semmit nem ír a program könyvtárába (az automatikus mentés ki van kapcsolva),\n"
    "    csak a -o file-t, ha az oda mutat.\n"
    "  - Nem LOG file: \"Nem LOG file!\", kilépési kód 1; \"End\" sor nélküli file:\n"
    "    \"File vég hiba!\", kilépési kód 1.\n"
    "  - A program üzenetei (például hibás szabály file) a hibakimenetre kerülnek.\n";

// The log as it was scored, in the file form the window saves (also when it is empty, so that
// the file a script asked for is always there).
bool write_log(const Session& s, const std::filesystem::path& out) {
    if (write_file_atomic(out, log_file_text(log_file_header(s), s.log_lista.items()))) return true;
    error(hu(u8"Nem sikerült menteni: ") + text_path(out));
    return false;
}

void print_field(const char8_t* name, const Text& value, bool always = false) {
    if (always || !value.empty()) print(hu(name) + ": " + value + "\n");
}

}  // namespace

int run_score(const Args& a) {
    if (a.help) {
        std::cout << kScoreHelp;
        return kOk;
    }
    if (a.positional.size() != 1 || !only_options(a, {"--recount", "--explain", "-o"})) return kUsage;
    CommandSession c;
    if (!start_session(c, a)) return kRefused;
    Session& s = c.s;
    if (!load_log(s, std::filesystem::path(a.positional[0]))) return kRefused;
    if (has_switch(a, "--recount")) ujraszamolas_cmd_Click(s);
    if (const auto out = option(a, "-o"); out && !write_log(s, std::filesystem::path(*out))) return kRefused;

    if (has_switch(a, "--explain")) {
        for (const Text& line : score_explanation(s)) print(line + "\n");
        return kOk;
    }
    print_field(u8"Verseny", s.szabaly_combo.text(), true);
    print_field(u8"QSO", std::to_string(s.log_lista.size()), true);
    print_field(u8"Összpontszám", s.ossz_pontszam_text, true);
    print_field(u8"Számláló", s.qso_label);
    print_field(u8"Információ", s.worked.qth_label);
    print_field(u8"Összesítő", s.score.score_summary);
    return kOk;
}

}  // namespace loxar::cli
