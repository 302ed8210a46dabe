// Editing and deleting logged QSOs.
#include "session/qso_edit.hpp"

#include "model/file_io.hpp"
#include "model/qso_line.hpp"
#include "session/backup.hpp"
#include "session/clock.hpp"
#include "session/edit_mode.hpp"
#include "session/log_commands.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/own_data.hpp"
#include "session/qrb.hpp"
#include "session/qso_entry.hpp"
#include "session/qso_restore.hpp"
#include "session/questions.hpp"
#include "session/scoring.hpp"

namespace loxar {

namespace {

using T = ContestType;

// The line of the edited QSO. The line the restore came from (still selected) is preferred, so
// that a log with a repeated number (a cut-off file is not renumbered) rewrites the right one.
long edited_line(const Session& s) {
    const Text& number = s.qso.edit_sorszam_text;
    const long selected = s.log_lista.first_selected();
    if (selected >= 0 && log_number_field(s.log_lista.at(static_cast<std::size_t>(selected))) == number)
        return selected;
    for (std::size_t i = 0; i < s.log_lista.size(); ++i) {
        if (log_number_field(s.log_lista.at(i)) == number) return static_cast<long>(i);
    }
    return -1;
}

// Builds the rewritten line by contest type and puts it at the end of the list.
Text rewrite_edited_qso(Session& s) {
    const T type = s.contest();
    // Only the general layout holds a distance worked out from the QSO.
    if (layout_of(type) == LineLayout::General) tavolsag_szamolo_rutin(s);
    short funkcio = kFunkcioRewrite;
    Text line = build_log_line(s, funkcio);
    s.log_lista.add(line);

    switch (type) {
        case T::Swl: break;
        case T::HaQrp:
        case T::Dx:
        case T::Nmark:
        case T::SilentKeyMem: ossz_pontszam_szamolas(s); break;
        case T::RhOb:
            // RH-OB is logged in real time: the time field catches up at once.
            szerkesztes_mod_kikapcsolas(s);
            if (s.ports.clock) Timer1_Timer(s, s.ports.clock->now());
            s.ui().process_events();
            kovetkezo_sorszam_rutin(s);
            ossz_pontszam_szamolas(s);
            break;
        default:
            kovetkezo_sorszam_rutin(s);
            ossz_pontszam_szamolas(s);
            break;
    }
    return line;
}

// Deleting renumbers the lines; a QSO still being edited would then be found under another
// number and the overwrite would replace a different QSO, so editing ends first.
void end_edit_before_delete(Session& s) {
    if (s.edit_mode) szerkesztes_mod_kikapcsolas(s);
}

// What every deletion does after the lines are gone.
void after_delete(Session& s) {
    s.log_changed = true;
    sorszamozas(s);
    kovetkezo_sorszam_rutin(s);
    ossz_pontszam_szamolas(s);
    // An empty list writes no file; the working save would go on holding the deleted QSO.
    if (s.log_lista.empty()) {
        remove_file(band_save_path(s));
    } else {
        save_band_log(s);
    }
    auto_log_mentes(s);
    s.ui().refresh(Aspect::LogList | Aspect::EntryFields | Aspect::Selectors | Aspect::View);
}

}  // namespace

void log_lista_DblClick(Session& s) {
    qso_sor_visszatoltes(s);
}

void edit_cmd_Click(Session& s) {
    qso_sor_visszatoltes(s);
}

void edit_sorszam_text_GotFocus(Session& s) {
    if (!s.edit_mode) return;
    szerkesztes_mod_kikapcsolas(s);
    s.ui().refresh(Aspect::EntryFields);
    s.ui().refresh(Aspect::View);
}

void edit_sorszam_text_KeyPress(Session& s) {
    s.ui().beep();
}

void log_felulir_cmd_Click(Session& s) {
    if (!QRA_ellenorzes(s, s.qso.kapott_QRA_text)) return;
    if (sajat_adat_vizsgalat(s) != 0) return;
    if (QSO_adat_vizsgalat(s) == 0) return;

    const long index = edited_line(s);
    if (index < 0) {
        alert(s, hu(u8"Nincs kijelölt QSO!"));
        return;
    }
    s.log_lista.select_only(static_cast<std::size_t>(index));
    s.ui().refresh(Aspect::LogList);
    const Text number = s.qso.edit_sorszam_text;
    if (!ask(s, hu(u8"Felulírja a(z) ") + number + hu(u8" sorszámu QSO-t?"))) return;

    s.log_lista.remove(static_cast<std::size_t>(index));
    const Text line = rewrite_edited_qso(s);
    s.log_lista.select_only(s.log_lista.size() - 1);
    s.ui().refresh(Aspect::LogList);

    if (!write_backup_record(s, kBackupOverwritten, line)) {
        report_not_saved(s, backup_file_path(s));
    }
    s.ui().focus(Control::kapott_hivojel_text, false);
    save_band_log(s);
    auto_log_mentes(s);
    szerkesztes_mod_kikapcsolas(s);
    s.log_changed = true;
    s.ui().refresh(Aspect::LogList | Aspect::EntryFields | Aspect::Selectors | Aspect::View);
}

void QSO_torol_cmd_Click(Session& s) {
    const long index = s.log_lista.first_selected();
    if (index < 0) {
        alert(s, hu(u8"Nincs kijelölt QSO!"));
        return;
    }
    if (!ask(s, hu(u8"Törli a kijelölt QSO-t?"))) return;
    end_edit_before_delete(s);
    s.log_lista.remove(static_cast<std::size_t>(index));
    after_delete(s);
}

void log_lista_shift_delete(Session& s) {
    if (s.log_lista.empty()) return;
    const long remembered = s.log_lista.list_index;
    bool removed = false;
    for (std::size_t i = s.log_lista.size(); i-- > 0;) {
        if (!s.log_lista.selected(i)) continue;
        if (!removed) end_edit_before_delete(s);
        s.log_lista.remove(i);
        removed = true;
    }
    if (!removed) return;
    if (!s.log_lista.empty() && remembered >= 0) {
        const std::size_t last = s.log_lista.size() - 1;
        s.log_lista.select_only(std::min(static_cast<std::size_t>(remembered), last));
    }
    after_delete(s);
}

void log_lista_KeyPress(Session& s, char c) {
    if (c != 'M') return;
    s.view[Control::log_menu_keret].visible = true;
    s.ui().refresh(Aspect::View);
}

}  // namespace loxar
