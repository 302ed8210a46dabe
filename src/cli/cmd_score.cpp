// loxar-cli score: the total of a log file as the window shows it after loading it.
#include <filesystem>
#include <iostream>

#include "cli/commands.hpp"
#include "core/file_io.hpp"
#include "core/log_file.hpp"
#include "core/numbering.hpp"
#include "core/startup.hpp"
#include "database/oblast_table.hpp"
#include "rules/contest_rules.hpp"
#include "rules/country_table.hpp"
#include "rules/reevaluation.hpp"
#include "rules/scoring.hpp"

namespace loxar::cli {

namespace {

const char* const kScoreHelp =
    "loxar-cli score LOGFILE [--recount] [--home DIR]\n"
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
    "  - A parancs semmit nem ír a program könyvtárába (az automatikus mentés ki van kapcsolva).\n"
    "  - Nem LOG file: \"Nem LOG file!\", kilépési kód 1; \"End\" sor nélküli file:\n"
    "    \"File vég hiba!\", kilépési kód 1.\n"
    "  - A program üzenetei (például hibás szabály file) a hibakimenetre kerülnek.\n";

// The window's messages go to standard error; questions are answered no.
class CliUi : public Ui {
public:
    void beep() override {}
    void message(const Text& text) override { error(text); }
    void igen_nem(DialogVars& d) override { d.dialog_answer.clear(); }
    void file_valasztas(DialogVars& d) override { d.chosen_path.clear(); }
    void focus(std::string_view, bool) override {}
    void busy(bool) override {}
    void process_events() override {}
    void refresh(Aspect) override {}
    void close_window() override {}
};

// The session as the window's start leaves it: rules of no type, country and oblast tables.
void prepare_session(Session& s, const Paths& paths) {
    form_inic(s);
    s.paths = paths;
    dxcc_tabla_betoltes(s);
    s.szabaly_combo.set(0);
    szabaly_combo_Click(s);
    dxcc_lista_toltes(s);
    ru_exchange_toltes(s);
}

// Loads the log as the window's load does, with the automatic save off: scoring a file must not
// write over the automatic saves of the operator's own contest. Nothing after a message.
bool load_log(Session& s, const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        error(hu(u8"A file nem található: ") + text_path(file));
        return false;
    }
    const std::optional<Text> bytes = read_file(file);
    const std::vector<Text> lines = bytes ? split_lines(*bytes) : std::vector<Text>{};
    if (lines.empty() || lines[0] != "Log records:") {
        error("Nem LOG file!");
        return false;
    }
    std::size_t end = 2;
    while (end < lines.size() && lines[end] != "End") ++end;
    if (end >= lines.size()) {
        error(hu(u8"File vég hiba!"));
        return false;
    }
    s.station.verseny_neve_text.clear();
    if (lines.size() > 1) apply_log_file_header(s, lines[1]);
    s.auto_mentes_combo.set(0);
    for (std::size_t i = 2; i < end; ++i) s.log_lista.add(lines[i]);
    ossz_pontszam_szamolas(s);
    sorszamozas(s);
    kovetkezo_sorszam_rutin(s);
    log_ujraertekeles(s);
    return true;
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
    if (a.positional.size() != 1) return kUsage;
    for (const auto& o : a.options) {
        if (o != "--recount") return kUsage;
    }
    auto paths = prepare_home(a);
    if (!paths) return kRefused;

    CliUi ui;
    Session s;
    s.ports.ui = &ui;
    prepare_session(s, *paths);
    if (!load_log(s, std::filesystem::path(a.positional[0]))) return kRefused;
    if (has_switch(a, "--recount")) ujraszamolas_cmd_Click(s);

    print_field(u8"Verseny", s.szabaly_combo.text(), true);
    print_field(u8"QSO", std::to_string(s.log_lista.size()), true);
    print_field(u8"Összpontszám", s.ossz_pontszam_text, true);
    print_field(u8"Számláló", s.qso_label);
    print_field(u8"Információ", s.qth_label);
    print_field(u8"Összesítő", s.score_summary);
    return kOk;
}

}  // namespace loxar::cli
