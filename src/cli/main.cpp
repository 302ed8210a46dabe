// loxar-cli: the after-contest work of Loxar without the window, on the same core.
#include <iostream>

#include "cli/cli_common.hpp"
#include "cli/commands.hpp"

namespace {

using namespace loxar::cli;

const char* const kUsageText =
    "Használat: loxar-cli PARANCS [kapcsolók]\n"
    "\n"
    "Parancsok:\n"
    "  init                a program könyvtárainak és alapfájljainak elkészítése\n"
    "  dxcc HÍVÓJEL        a hívójel DXCC országa: országszám, név, kontinens, ITU-zónák\n"
    "  qrb SAJÁT KAPOTT    távolság, pontszám és irányszög két QRA lokátor között\n"
    "  score LOGFILE       egy LOG file összpontszáma (--recount: újraszámolással,\n"
    "                      -o KIMENET: az újraértékelt LOG mentése, --explain: QSO-nként\n"
    "                      a pontszám és az oka)\n"
    "  report FORMÁTUM LOGFILE  verseny jegyzőkönyv (EDI, Cabrillo, ADIF) egy LOG file-ból\n"
    "  check REPORT        egy jegyzőkönyv (EDI, Cabrillo, ADIF) ellenőrzése: hibánként\n"
    "                      \"SOR: üzenet\" (--log LOGFILE: a pontszám a LOG szerint is)\n"
    "  export LOGFILE      egy LOG file ADIF exportja (-o KIMENET.adi)\n"
    "  keybox              virtuális billentyűző egy pszeudoterminálon (loxar --keyer-port)\n"
    "  stats LOGFILE       egy LOG file statisztikája (-o KIMENET.lst; --rate: QSO/óra CSV-ben)\n"
    "  import BEMENET --contest TÍPUS  EDI, Cabrillo, ADIF napló átalakítása LOG file-lá\n"
    "                      (--filter SÁV vagy HA&HG, -o KIMENET.import)\n"
    "  qra-merge LOGFILE   a LOG állomásai egy hívójel listába (--base ALAP.qra,\n"
    "                      -o KIMENET.qra, --replace-exchange)\n"
    "  rig                 a rádió frekvenciája, üzemmódja és a naplózandó sáv (Hamlib:\n"
    "                      --rigctld HOST:PORT, vagy --model N --device ESZKÖZ; --list)\n"
    "\n"
    "Kapcsolók:\n"
    "  --home DIR          a program könyvtára (alapértelmezés: LOXAR_HOME, majd ~/.local/share/loxar)\n"
    "  --help              ez a leírás\n"
    "  --version           a program változata\n";

struct Command {
    const char* name;
    int (*run)(const Args&);
    // Status 2 means wrong options, answered with the usage text; a command whose 2 also means
    // something else (check: an unreadable file) prints its own usage instead.
    bool usage_on_2 = true;
};

// Every command and the options that take a value.
const Command kCommands[] = {
    {"init", run_init},     {"dxcc", run_dxcc},           {"qrb", run_qrb},
    {"score", run_score},   {"report", run_report},       {"check", run_check, false},
    {"export", run_export}, {"keybox", run_keybox},       {"stats", run_stats},
    {"import", run_import}, {"qra-merge", run_qra_merge}, {"rig", run_rig},
};
const std::vector<std::string> kValuedOptions = {
    "-o",     "--multiplier", "--sheet", "--slow",   "--link",  "--contest", "--filter",
    "--base", "--rigctld",    "--model", "--device", "--speed", "--log"};
const std::vector<std::string> kSwitches = {"--recount",          "--silent",  "--garbage",
                                            "--no-eprom",         "--verbose", "--rate",
                                            "--replace-exchange", "--list",    "--explain"};

}  // namespace

int main(int argc, char** argv) {
    std::optional<Args> args = parse(argc, argv, kValuedOptions, kSwitches);
    if (!args) {
        std::cerr << kUsageText;
        return kUsage;
    }
    if (args->version) {
        std::cout << "loxar-cli " LOXAR_VERSION "\n";
        return kOk;
    }
    if (args->command.empty()) {
        (args->help ? std::cout : std::cerr) << kUsageText;
        return args->help ? kOk : kUsage;
    }
    for (const Command& c : kCommands) {
        if (args->command != c.name) continue;
        const int rc = c.run(*args);
        if (rc == kUsage && c.usage_on_2) std::cerr << kUsageText;
        return rc;
    }
    std::cerr << kUsageText;
    return kUsage;
}
