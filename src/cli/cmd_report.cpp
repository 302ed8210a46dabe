// loxar-cli report: a contest report of a log file, built as the report panel builds it.
#include <filesystem>
#include <iostream>

#include "cli/cli_session.hpp"
#include "cli/commands.hpp"
#include "model/file_io.hpp"
#include "reports/cabrillo_report.hpp"  // ReportFormat
#include "session/data_sheet.hpp"
#include "session/report_panel.hpp"
#include "session/startup.hpp"

namespace loxar::cli {

namespace {

const char* const kReportHelp =
    "loxar-cli report FORMÁTUM LOGFILE [--sheet FILE.hdr] [-o KIMENET] [--home DIR]\n"
    "\n"
    "Verseny jegyzőkönyv egy mentett LOG file-ból, ahogy a Jegyzőkönyv panel készíti.\n"
    "FORMÁTUM a formátum lista egyik eleme:\n"
    "  EDIF, YLOM, HA-DX, CQ-WW-VHF, HA-QRP, RH-OB, RDXC-ALL, RDXC-TWO, HSKC, SKMC, DX,\n"
    "  EXCHANGE, NMARK, REF, SWL\n"
    "A LOG betöltése úgy megy, mint a score parancsnál. Utána lefut az eredmény számolás,\n"
    "amit a formátum használ (EDIF, YLOM, CQ-WW-VHF), majd elkészül a jegyzőkönyv.\n"
    "\n"
    "  --sheet FILE.hdr  az adatlap ebből a file-ból (mint az \"Adatlap beolvasás\");\n"
    "                    nélküle az adatlapot a LOG-ból tölti (mint a \"Frissítés\" gomb).\n"
    "  -o KIMENET        ide írja a jegyzőkönyvet; nélküle a szabványos kimenetre.\n"
    "  - A jegyzőkönyv a program saját formátumában íródik (cp1250, CR LF sorvégek).\n"
    "  - Ismeretlen formátum: kilépési kód 2. Hibás LOG vagy adatlap, EDIF-nél jelöletlen\n"
    "    dupla QSO, vagy egy QSO-nál hiányzó Sex (YLOM): üzenet a hibakimeneten, kilépési kód 1.\n";

int format_index(const Session& s, const std::string& name) {
    for (int i = 0; i < s.formatum_combo.size(); ++i) {
        if (s.formatum_combo.items[i] == name) return i;
    }
    return -1;
}

// The sheet as the panel's "Adatlap beolvasás" leaves it; false after a message.
bool load_sheet(Session& s, const std::filesystem::path& file) {
    const std::optional<Text> bytes = read_file(file, 1024 * 1024);
    if (!bytes) {
        error(hu(u8"A file nem olvasható: ") + text_path(file));
        return false;
    }
    if (!adatlap_file_betoltes(s, *bytes)) {
        error(hu(u8"Hibás a formátum!"));
        return false;
    }
    return true;
}

}  // namespace

int run_report(const Args& a) {
    if (a.help) {
        std::cout << kReportHelp;
        return kOk;
    }
    if (a.positional.size() != 2 || !only_options(a, {"--sheet", "-o"})) return kUsage;
    CommandSession c;
    if (!start_session(c, a)) return kRefused;
    Session& s = c.s;
    const int format = format_index(s, a.positional[0]);
    if (format < 0) {
        error(hu(u8"Ismeretlen formátum: ") + utf8_to_cp1250(a.positional[0]));
        return kUsage;
    }
    if (!load_log(s, std::filesystem::path(a.positional[1]))) return kRefused;
    if (auto sheet = option(a, "--sheet")) {
        if (!load_sheet(s, std::filesystem::path(*sheet))) return kRefused;
    } else {
        frissites_rutin(s);
    }
    s.formatum_combo.set(format);
    // A duplicate that stops the EDI calculation (already told) leaves no results to report.
    if (!run_result_calculation(s, format) && format == kFormatEdif) return kRefused;
    const std::optional<Text> report = build_report(s, format);
    if (!report) return kRefused;
    return write_result(a, *report);
}

}  // namespace loxar::cli
