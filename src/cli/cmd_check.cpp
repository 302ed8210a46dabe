// loxar-cli check: the report check of the "Ellenőrzés" button on a report file.
#include <filesystem>
#include <iostream>

#include "cli/cli_session.hpp"
#include "cli/commands.hpp"
#include "model/file_io.hpp"
#include "reports/report_check.hpp"
#include "session/report_panel.hpp"

namespace loxar::cli {

namespace {

const char* const kCheckHelp =
    "loxar-cli check REPORT [--log LOGFILE] [--home DIR]\n"
    "\n"
    "Egy verseny jegyzőkönyv ellenőrzése beküldés előtt, ahogy a Jegyzőkönyv panel\n"
    "\"Ellenőrzés\" gombja végzi. A formátumot a tartalma mutatja meg: EDI (REG1TEST),\n"
    "Cabrillo (3.0, a program CQ-WW-VHF jegyzőkönyvénél 2.0) vagy ADIF.\n"
    "Kiírás: hibánként egy sor \"SOR: üzenet\" (a sor száma a file-ban, 0 az egész file-ra).\n"
    "  EDI: az első sor, a kötelező fejléc sorok, TDate, lokátorok, a CQSOs, CQSOP, CWWLs,\n"
    "       CDXCs és a [QSORecords;N] a rekordokhoz mérve, rekordonként 15 mező, dátum a\n"
    "       TDate napjain belül, időpont, a pontszám a PWWLo-tól mért távolsághoz mérve,\n"
    "       jelöletlen dupla QSO-k.\n"
    "  Cabrillo: START-OF-LOG első, END-OF-LOG utolsó sor, kötelező sorok, CATEGORY értékek\n"
    "       a formátum listáiról, QSO sorok (frekvencia, mód, dátum, idő, hívójelek).\n"
    "  ADIF: adatmezők hossza, <EOH>, minden rekord <EOR>-ral lezárva, CALL, QSO_DATE,\n"
    "       TIME_ON, BAND vagy FREQ és MODE megvan, a felsorolt mezők értékei érvényesek.\n"
    "\n"
    "  --log LOGFILE  a LOG file, amiből a jegyzőkönyv készült (betöltés, mint a score\n"
    "                 parancsnál): a CLAIMED-SCORE, CQSOP és CToSc a napló szerint számolt\n"
    "                 értékhez is mérve.\n"
    "  Kilépési kód: 0 hibátlan, 1 hibát talált (vagy a LOG nem tölthető be), 2 a file nem\n"
    "  olvasható vagy nem jegyzőkönyv, illetve hibás kapcsolók.\n";

}  // namespace

int run_check(const Args& a) {
    if (a.help) {
        std::cout << kCheckHelp;
        return kOk;
    }
    if (a.positional.size() != 1 || !only_options(a, {"--log"})) {
        std::cerr << kCheckHelp;
        return kUsage;
    }
    const std::filesystem::path file(a.positional[0]);
    const std::optional<Text> bytes = read_file(file);
    if (!bytes) {
        error(hu(u8"A file nem olvasható: ") + text_path(file));
        return kUsage;
    }
    const ReportKind kind = detect_report(*bytes);
    if (kind == ReportKind::Unknown) {
        error(hu(u8"Nem EDI, Cabrillo vagy ADIF jegyzőkönyv: ") + text_path(file));
        return kUsage;
    }
    CheckContext context;
    if (const auto log = option(a, "--log")) {
        CommandSession c;
        if (!start_session(c, a)) return kRefused;
        if (!load_log(c.s, std::filesystem::path(*log))) return kRefused;
        context = report_check_context(c.s, kind);
    }
    const std::vector<Finding> found = check_report(*bytes, context);
    for (const Finding& f : found) print(finding_text(f) + "\n");
    return found.empty() ? kOk : kRefused;
}

}  // namespace loxar::cli
