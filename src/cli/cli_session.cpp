// The session the commands work on.
#include "cli/cli_session.hpp"

#include "database/oblast_table.hpp"
#include "model/file_io.hpp"
#include "rules/contest_rules.hpp"
#include "rules/country_table.hpp"
#include "rules/reevaluation.hpp"
#include "rules/scoring.hpp"
#include "session/contest_rules.hpp"
#include "session/country_table.hpp"
#include "session/data_sheet.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/oblast_table.hpp"
#include "session/reevaluation.hpp"
#include "session/report_panel.hpp"
#include "session/scoring.hpp"
#include "session/startup.hpp"

namespace loxar::cli {

namespace {

void prepare_session(Session& s, const Paths& paths, SessionStart start) {
    form_inic(s);
    s.paths = paths;
    if (start == SessionStart::Full) dxcc_tabla_betoltes(s);
    s.szabaly_combo.set(0);
    szabaly_combo_Click(s);
    adatlap_torlo_rutin(s);
    edi_erase_rutin(s);
    if (start == SessionStart::Full) dxcc_lista_toltes(s);
    ru_exchange_toltes(s);
}

}  // namespace

bool start_session(CommandSession& c, const Args& a, SessionStart start) {
    auto home = prepare_home(a);
    if (!home) return false;
    c.home_lock = std::move(home->lock);
    c.s.ports.ui = &c.ui;
    prepare_session(c.s, home->paths, start);
    return true;
}

bool load_log(Session& s, const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        error(hu(u8"A file nem található: ") + text_path(file));
        return false;
    }
    // The window's reader: the same size and line bounds for the same files.
    const LogFileRead file_read = read_log_file(file);
    if (!file_read.problem.empty()) {
        error(file_read.problem);
        return false;
    }
    const std::vector<Text>& lines = file_read.lines;
    if (lines.size() < 3 || lines.back() != "End") {
        error(hu(u8"File vég hiba!"));
        return false;
    }
    if (file_read.left_out > 0) error(log_lines_left_out_message(file_read.left_out));
    const std::size_t end = lines.size() - 1;
    if (log_overflows(s, end - 2)) return false;
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

}  // namespace loxar::cli
