// loxar-cli stats: the statistics page of a saved log, as "Mentés" saves it, or its QSOs per hour.
#include <filesystem>
#include <iostream>

#include "cli/cli_session.hpp"
#include "cli/commands.hpp"
#include "model/contest_profile.hpp"
#include "model/file_io.hpp"
#include "reports/result_fields.hpp"
#include "session/list_save.hpp"
#include "statistics/activity.hpp"
#include "statistics/statistics.hpp"

namespace loxar::cli {

namespace {

const char* const kStatsHelp =
    "loxar-cli stats LOGFILE [-o KIMENET.lst] [--home DIR]\n"
    "loxar-cli stats --rate LOGFILE [-o KIMENET.csv] [--home DIR]\n"
    "\n"
    "Egy mentett LOG file statisztikája, ahogy a \"Statisztika\" gomb készíti és a \"Mentés\" menti\n"
    "(cp1250, CR LF sorvégek). A verseny típusát a LOG fejléce adja, mint a LOG betöltésekor.\n"
    "\n"
    "  -o KIMENET  ide írja az eredményt; nélküle a szabványos kimenetre.\n"
    "  --rate      QSO-k óránként, sávonként, CSV-ben: fejléc \"hour,band,count\", majd soronként\n"
    "              óra (\"2024-05-04 12:00\", UTC), sáv (vesszős sávnév idézőjelben) és QSO-szám;\n"
    "              az első és az utolsó QSO órája között minden óra és a LOG minden sávja szerepel,\n"
    "              a QSO nélküliek 0-val. LF sorvégek.\n"
    "  - Olyan verseny típus, amelynek nincs statisztikája: üzenet a hibakimeneten, semmi nem\n"
    "    íródik, kilépési kód 1. Hibás LOG vagy sikertelen mentés: szintén 1.\n";

}  // namespace

int run_stats(const Args& a) {
    if (a.help) {
        std::cout << kStatsHelp;
        return kOk;
    }
    if (a.positional.size() != 1 || !only_options(a, {"-o", "--rate"})) return kUsage;
    CommandSession c;
    if (!start_session(c, a)) return kRefused;
    Session& s = c.s;
    if (!load_log(s, std::filesystem::path(a.positional[0]))) return kRefused;
    if (has_switch(a, "--rate")) {
        return write_result(a, hourly_csv(qsos_per_hour(s.log_lista.items(), layout_of(s.contest()))));
    }
    const ContestType type = s.contest();
    if (contest_profile(type).statistics_page == StatisticsPage::None) {
        error(hu(u8"Ehhez a verseny típushoz nincs statisztika: ") +
              contest_type_names()[static_cast<std::size_t>(type)]);
        return kRefused;
    }
    const StatisticsTables tables{s.countries ? *s.countries : Session::kNoCountries,
                                  s.db.exchange_lista.items(), result_multipliers(s.sheet)};
    return write_result(a, crlf_text(statistics_page(s.log_lista.items(), type, tables)));
}

}  // namespace loxar::cli
