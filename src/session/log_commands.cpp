// The log panel's file commands: automatic save, save, load and merge.
#include "session/log_commands.hpp"

#include "model/file_io.hpp"
#include "session/backup.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/qso_entry.hpp"
#include "session/questions.hpp"
#include "session/reevaluation.hpp"

namespace loxar {

namespace fs = std::filesystem;

namespace {

// The contest name is typed text: as part of a file name it must stay one name inside LOG, so
// a "/" or "\" in it (and with them any "..") cannot lead elsewhere.
Text file_name_part(const Text& typed) {
    Text name = trim(typed);
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == '\0') c = '_';
    }
    return name;
}

void choose_log_file(Session& s, ChooserMode mode) {
    s.dialog.chooser_directory = text_path(s.paths.log_dir);
    s.dialog.chooser_extension = "log";
    s.dialog.chooser_mode = mode;
    s.ui().file_valasztas(s.dialog);
}

// A chosen file read whole; an unusable one is reported and nothing is returned.
std::optional<LogFileRead> chosen_log_file(Session& s) {
    LogFileRead file = read_log_file(fs_path(s.dialog.chosen_path));
    if (!file.exists) {
        file.problem = hu(u8"A LOG file nem olvasható (túl nagy vagy hibás): ") + s.dialog.chosen_path;
    }
    if (!file.problem.empty()) {
        alert(s, file.problem);
        return std::nullopt;
    }
    // Checked here so that loading a file too long for the log does not clear the log first.
    if (log_overflows(s, file.qso_count())) return std::nullopt;
    return file;
}

}  // namespace

std::optional<fs::path> auto_save_path(const Session& s) {
    const Text name = file_name_part(s.station.verseny_neve_text);
    switch (s.auto_mentes_combo.list_index) {
        case 1: return s.paths.log_dir / fs_path(name + ".log");
        case 2: return s.paths.log_dir / fs_path(name + "_" + col(s.qso.band_text, 1, 7) + ".log");
        default: return std::nullopt;
    }
}

void auto_log_mentes(Session& s) {
    // The automatic save is a second copy beside the working files; a failure stays silent so
    // that it never interrupts the logging.
    if (const auto path = auto_save_path(s)) (void)log_mentes(s, *path);
}

void auto_mentes_combo_Click(Session& s) {
    const int item = s.auto_mentes_combo.list_index;
    if ((item == 1 || item == 2) && trim(s.station.verseny_neve_text).empty()) {
        s.ui().message(hu(u8"Adja meg előbb a verseny nevét!"));
        s.ui().focus(Control::verseny_neve_text, false);
        s.auto_mentes_combo.set(0);
        s.ui().refresh(Aspect::Selectors);
    }
}

void save_log_cmd_Click(Session& s) {
    if (s.log_lista.empty()) {
        alert(s, "Nincs mit menteni!");
        return;
    }
    choose_log_file(s, ChooserMode::Save);
    if (s.dialog.chosen_path.empty()) return;
    if (!log_mentes(s, fs_path(s.dialog.chosen_path))) {
        report_not_saved(s, s.dialog.chosen_path);
        return;
    }
    s.log_changed = false;
    s.ui().refresh(Aspect::View);
    s.ui().message("Elmentve!");
}

void load_log_cmd_Click(Session& s) {
    if (s.log_changed && !ask(s, hu(u8"A LOG megváltozott, folytatja a beolvasást?"))) return;
    choose_log_file(s, ChooserMode::Open);
    if (s.dialog.chosen_path.empty()) return;
    // The file is checked before the log is cleared: a wrong file must not cost the log.
    const std::optional<LogFileRead> file = chosen_log_file(s);
    if (!file) return;
    s.log_lista.clear();
    log_beolvasas(s, *file);
    egy_backup_file_torles(s);
    log_ujraertekeles(s);
    // The band's working save follows the new log, so a start after a crash brings back this one.
    save_band_log(s);
    s.ui().refresh(Aspect::LogList | Aspect::EntryFields | Aspect::Selectors | Aspect::View);
}

void log_osszefuzes_cmd_Click(Session& s) {
    if (!ask(s, hu(u8"Csak azonos versenyek log-jai füzhetöek össze!") + kCrLf + "Folytatja?")) return;
    choose_log_file(s, ChooserMode::Open);
    if (s.dialog.chosen_path.empty()) return;
    const std::optional<LogFileRead> file = chosen_log_file(s);
    if (!file || log_overflows(s, s.log_lista.size() + file->qso_count())) return;
    log_beolvasas(s, *file);
    sorszamozas(s);
    kovetkezo_sorszam_rutin(s);
    // The merged log exists nowhere but in memory: closing the window must offer to save it, and
    // the band's working save keeps it over a crash.
    s.log_changed = true;
    save_band_log(s);
    s.ui().refresh(Aspect::LogList | Aspect::EntryFields | Aspect::Selectors | Aspect::View);
}

}  // namespace loxar
