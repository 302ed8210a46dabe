// loxar-cli export: the ADIF export of a saved log, the text the Export panel builds and saves.
#include <filesystem>
#include <iostream>

#include "cli/cli_session.hpp"
#include "cli/commands.hpp"
#include "model/file_io.hpp"
#include "session/adif_export.hpp"

namespace loxar::cli {

namespace {

const char* const kExportHelp =
    "loxar-cli export LOGFILE [-o KIMENET.adi] [--home DIR]\n"
    "\n"
    "Egy mentett LOG file ADIF exportja, ahogy az \"Export\" panel készíti és menti.\n"
    "A verseny típusát és a saját adatokat a LOG fejléce adja, mint a LOG betöltésekor.\n"
    "\n"
    "  -o KIMENET  ide írja az ADIF-et; nélküle a szabványos kimenetre.\n"
    "  - Az ADIF a program saját formátumában íródik (cp1250, CR LF sorvégek).\n"
    "  - Hibás vagy üres LOG, vagy sikertelen mentés: üzenet a hibakimeneten, kilépési kód 1.\n";

}  // namespace

int run_export(const Args& a) {
    if (a.help) {
        std::cout << kExportHelp;
        return kOk;
    }
    if (a.positional.size() != 1 || !only_options(a, {"-o"})) return kUsage;
    CommandSession c;
    if (!start_session(c, a)) return kRefused;
    Session& s = c.s;
    if (!load_log(s, std::filesystem::path(a.positional[0]))) return kRefused;
    if (s.log_lista.empty()) {
        error(hu(u8"Nincs mit menteni!"));
        return kRefused;
    }
    return write_result(a, adif_export_text(s.log_lista.items(), s.contest(), export_station(s)));
}

}  // namespace loxar::cli
