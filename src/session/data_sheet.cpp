// The station data sheet in the session: clearing it, and saving and loading its ".hdr" file.
#include "session/data_sheet.hpp"

#include "model/file_io.hpp"
#include "session/questions.hpp"
#include "session/startup.hpp"

namespace loxar {

void adatlap_torlo_rutin(Session& s) {
    clear_sheet(s.sheet);
    s.ui().refresh(Aspect::DataSheet);
}

void data_erase_cmd_Click(Session& s) {
    adatlap_torlo_rutin(s);
}

void megjegyzes_torles_cmd_Click(Session& s) {
    s.sheet.megjegyzes_text.clear();
    s.ui().refresh(Aspect::DataSheet);
}

void data_save_cmd_Click(Session& s) {
    s.dialog.chooser_directory = text_path(s.paths.data_dir);
    s.dialog.chooser_extension = "hdr";
    s.dialog.chooser_mode = ChooserMode::Save;
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    // The chooser has asked before overwriting; the new file replaces the old one whole.
    const auto path = fs_path(s.dialog.chosen_path);
    s.ui().beep();
    if (!write_file_atomic(path, sheet_file_text(s.sheet))) {
        s.ui().message(hu(u8"Nem sikerült menteni: ") + s.dialog.chosen_path);
        return;
    }
    s.ui().message(hu(u8"Elmentve!"));
}

bool adatlap_file_betoltes(Session& s, const Text& bytes) {
    const std::optional<SheetFile> file = parse_sheet_file(bytes);
    if (!file) return false;
    apply_sheet_file(s.sheet, *file);
    const Text first = s.log_lista.empty() ? Text() : col(s.log_lista.at(0), 1, 10);
    const Text last = s.log_lista.empty() ? Text() : col(s.log_lista.at(s.log_lista.size() - 1), 1, 10);
    if (sheet_needs_refresh(first, last, s.sheet.tx_TDate_1, s.sheet.tx_TDate_2)) {
        frissites_rutin(s);
    }
    return true;
}

void data_load_cmd_Click(Session& s) {
    s.dialog.chooser_directory = text_path(s.paths.data_dir);
    s.dialog.chooser_extension = "hdr";
    s.dialog.chooser_mode = ChooserMode::Open;
    s.ui().file_valasztas(s.dialog);
    if (s.dialog.chosen_path.empty()) return;
    const std::optional<Text> bytes = read_file(fs_path(s.dialog.chosen_path), kMaxSmallFileBytes);
    if (!bytes || !adatlap_file_betoltes(s, *bytes)) {
        alert(s, hu(u8"Hibás a formátum!"));
        return;
    }
    s.ui().refresh(Aspect::DataSheet);
}

}  // namespace loxar
