// New contest and exit.
#include "session/lifecycle.hpp"

#include "model/file_io.hpp"
#include "session/calling.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/own_data.hpp"
#include "session/questions.hpp"
#include "session/scoring.hpp"
#include "session/unsaved_qsos.hpp"
#include "session/window_state.hpp"

namespace loxar {

void uj_lista_cmd_Click(Session& s) {
    Text question =
        hu(u8"Egy verseny ideje alatt egyszer kell készíteni.") + kCrLf + hu(u8"Elmentette a régi adatokat?");
    // The files deleted below may hold the only copy of QSOs: the operator is told how many.
    question += unsaved_qso_warning(unsaved_qso_count(s), hu(u8"Új verseny indításakor ezek törlődnek!"));
    if (!ask(s, question)) return;
    if (!ask(s, hu(u8"Akar új versenyt indítani?"))) return;

    s.station.verseny_neve_text.clear();
    s.auto_mentes_combo.set(0);
    s.log_lista.clear();
    s.log_changed = false;
    ossz_pontszam_szamolas(s);
    kovetkezo_sorszam_rutin(s);

    remove_matching(s.paths.system_dir, "tmp_log_", ".save");
    remove_matching(s.paths.system_dir, "tmp_log_", ".dat");
    remove_matching(s.paths.backup_dir, "", "");
    remove_file(s.paths.tmp_log());
    s.sort_combo.items.clear();
    s.sort_combo.list_index = -1;
    szorzo_jelek_torlese(s);
    s.ui().refresh(Aspect::LogList | Aspect::EntryFields | Aspect::Selectors | Aspect::View);
}

bool save_on_exit(Session& s) {
    sajat_adat_mentes(s);
    ablak_allapot_mentes(s);
    const bool saved = log_mentes(s, s.paths.tmp_log());
    if (!saved) report_not_saved(s, s.paths.tmp_log());
    hivas_adat_mentes(s);
    return saved;
}

void quit_Click(Session& s) {
    if (s.log_changed && !ask(s, hu(u8"A LOG megváltozott, kilép?"))) return;
    // A log that could not be written keeps the window open, so no QSO is lost.
    if (!save_on_exit(s)) return;
    s.ui().close_window();
}

bool save_on_signal(Session& s) {
    if (s.ports.player) s.ports.player->close();
    if (s.ports.serial && s.ports.serial->is_open()) s.ports.serial->close();
    // The program is being stopped: nobody is left to read a message, so each file is written as
    // well as it can be and only the log's result is given back.
    (void)sajat_adat_iras(s);
    ablak_allapot_mentes(s);
    const bool saved = log_mentes(s, s.paths.tmp_log());
    (void)hivas_adat_iras(s);
    if (saved) s.log_changed = false;
    return saved;
}

void Form_Unload(Session& s) {
    if (s.ports.player) s.ports.player->close();
    if (s.ports.serial && s.ports.serial->is_open()) s.ports.serial->close();
    // The window is closing either way; a file that could not be written was told of.
    if (s.log_changed && ask(s, hu(u8"A LOG megváltozott, menti az adatokat?"))) {
        (void)save_on_exit(s);
    }
}

}  // namespace loxar
