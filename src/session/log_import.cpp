// Log import in the multi-purpose panel (panel_mode 3): read, convert, copy, append, save.
#include "session/log_import.hpp"

#include "model/file_io.hpp"
#include "session/edit_mode.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/qso_entry.hpp"
#include "session/questions.hpp"
#include "session/reevaluation.hpp"
#include "session/scoring.hpp"
#include "session/session.hpp"
#include "session/unsaved_qsos.hpp"
#include "session/vegyes_panel.hpp"

namespace loxar {

namespace {

// List 0 only shows the file; past this many lines it shows the beginning (the conversion still
// reads the whole file), so that a file of empty lines cannot fill the memory with rows.
constexpr std::size_t kMaxShownLines = 1000000;

void choose(Session& s, ChooserMode mode, const Text& extension) {
    s.dialog.chooser_directory = text_path(s.paths.import_export_dir);
    s.dialog.chooser_extension = extension;
    s.dialog.chooser_mode = mode;
    s.ui().file_valasztas(s.dialog);
}

// The filter item chosen: a band text, "HA&HG", or "---" for none.
Text chosen_filter(const Session& s) {
    const int i = s.vegyes.vegyes_combo.list_index;
    return i > 0 && i < s.vegyes.vegyes_combo.size()
               ? s.vegyes.vegyes_combo.items[static_cast<std::size_t>(i)]
               : Text();
}

// The log changed as a whole: numbers, markers, the total and the band's working save follow.
// Imported lines carry placeholders ("--/--" for a distance, "00001" for points and numbers):
// the renumbering and the re-evaluation put in what the entry would have written.
void log_replaced(Session& s) {
    sorszamozas(s);
    kovetkezo_sorszam_rutin(s);
    worked_countries_from_log(s);
    if (reevaluates(s.contest())) {
        log_ujraertekeles(s);
    } else {
        ossz_pontszam_szamolas(s);
    }
    s.log_changed = true;
    if (!s.log_lista.empty()) s.log_lista.select_only(s.log_lista.size() - 1);
    save_band_log(s);
    s.ui().refresh(Aspect::All);
}

}  // namespace

void import_rutin(Session& s) {
    vegyes_panel_mutatas(s, "Import",
                         {u8"Beolvasás", u8"Feldolgozás", u8"Bemásolás", u8"Hozzáfűzés", u8"Mentés"}, true);
    s.view[Control::vegyes_valaszto_0].caption = "Eredeti";
    s.view[Control::vegyes_valaszto_1].caption = "Feldolgozott";
    s.vegyes.vegyes_label = hu(u8"Szűrés:");
    s.vegyes.vegyes_combo.items.clear();
    for (int i = 0; i < kBandCount; ++i) s.vegyes.vegyes_combo.items.push_back(band_name(i));
    s.vegyes.vegyes_combo.items.push_back(kHaHgFilter);
    s.vegyes.vegyes_combo.set(0);
    s.panel_mode = PanelTask::Import;
    s.ui().refresh(Aspect::Panels | Aspect::Vegyes);
}

void import_inditas(Session& s) {
    import_rutin(s);
}

void import_beolvasas(Session& s) {
    choose(s, ChooserMode::Open, "*");
    if (s.dialog.chosen_path.empty()) return;
    std::optional<Text> bytes = read_file(fs_path(s.dialog.chosen_path));
    if (!bytes) {
        alert(s, hu(u8"A file túl nagy vagy nem olvasható: ") + s.dialog.chosen_path);
        return;
    }
    Result<Text> input = import_input(std::move(*bytes));
    if (!input) {
        alert(s, input.message());
        return;
    }
    std::vector<Text> lines = import_display_lines(*input);
    const std::size_t hidden = lines.size() > kMaxShownLines ? lines.size() - kMaxShownLines : 0;
    lines.resize(lines.size() - hidden);
    s.import.input = std::move(*input);
    s.vegyes.vegyes_lista[0].clear();
    for (Text& line : lines) s.vegyes.vegyes_lista[0].add(std::move(line));
    s.vegyes.vegyes_valaszto = 0;
    s.ui().refresh(Aspect::Vegyes);
    if (hidden > 0) {
        s.ui().message(hu(u8"A lista a file első 1000000 sorát mutatja, a feldolgozás az egészet olvassa."));
    }
}

void import_feldolgozas(Session& s) {
    s.vegyes.vegyes_lista[1].clear();
    // The panel's list is what was read; a list filled without a file is converted as it stands.
    Text joined;
    if (s.import.input.empty()) {
        for (const Text& line : s.vegyes.vegyes_lista[0].items()) joined += line + kCrLf;
    }
    const std::string_view input = s.import.input.empty() ? std::string_view(joined) : s.import.input;
    if (s.vegyes.vegyes_lista[0].empty() || trim(input).empty()) {
        alert(s, hu(u8"Nincs mit feldolgozni!"));
        s.ui().refresh(Aspect::Vegyes);
        return;
    }
    ImportSettings settings{s.contest(), chosen_filter(s), s.qso.kezelo_text, s.qso.qth_text,
                            s.station.exch_text};
    ImportResult result = convert_import(input, settings);
    s.import.work = result.state.work;
    s.import.previous_time = result.state.previous_time;
    s.import.seconds = result.state.seconds;
    if (!result.error.empty()) {
        s.ui().refresh(Aspect::Vegyes);
        alert(s, result.error);
        return;
    }
    for (Text& line : result.lines) s.vegyes.vegyes_lista[1].add(std::move(line));
    s.vegyes.vegyes_valaszto = 1;
    s.ui().refresh(Aspect::Vegyes);
    if (const Text skipped = import_skipped_message(result); !skipped.empty()) s.ui().message(skipped);
    if (result.left_out > 0) alert(s, log_lines_left_out_message(result.left_out));
}

void import_bemasolas(Session& s) {
    const ListBox& converted = s.vegyes.vegyes_lista[1];
    const std::size_t check = import_check_column(s.contest());
    if (converted.size() < 3 || col(converted.at(2), check, 1) != "=") {
        alert(s, hu(u8"Rossz a formátum!"));
        return;
    }
    if (log_overflows(s, converted.size())) return;
    // The QSOs of the log that only the working and backup files hold leave it for good.
    const Text warning = unsaved_qso_warning(unsaved_qsos_replaced_by(s, converted.items()),
                                             hu(u8"Bemásoláskor ezek a LOG-ból kikerülnek!"));
    if (!ask(s, hu(u8"Bemásolja az adatokat a LOG listába?") + warning)) return;
    // A QSO being edited belongs to the log that is going away.
    if (s.edit_mode) szerkesztes_mod_kikapcsolas(s);
    s.log_lista.clear();
    for (const Text& line : converted.items()) s.log_lista.add(line);
    log_replaced(s);
}

void import_hozzafuzes(Session& s) {
    const ListBox& converted = s.vegyes.vegyes_lista[1];
    if (converted.empty()) {
        alert(s, hu(u8"Nincs mit hozzáfűzni!"));
        return;
    }
    if (log_overflows(s, s.log_lista.size() + converted.size())) return;
    if (!ask(s, hu(u8"Hozzáfűzi az adatokat a LOG listához?"))) return;
    for (const Text& line : converted.items()) s.log_lista.add(line);
    log_replaced(s);
}

void import_mentes(Session& s) {
    if (s.vegyes.vegyes_lista[1].empty()) return;
    choose(s, ChooserMode::Save, "import");
    if (s.dialog.chosen_path.empty()) return;
    const Text text = log_file_text(log_file_header(s), s.vegyes.vegyes_lista[1].items());
    if (!write_file_atomic(fs_path(s.dialog.chosen_path), text)) {
        report_not_saved(s, s.dialog.chosen_path);
        return;
    }
    s.ui().message("Elmentve!");
}

void import_vegyes_cmd_Click(Session& s, int index) {
    if (s.panel_mode != PanelTask::Import) return;
    switch (index) {
        case 0: import_beolvasas(s); break;
        case 1: import_feldolgozas(s); break;
        case 2: import_bemasolas(s); break;
        case 3: import_hozzafuzes(s); break;
        case 4: import_mentes(s); break;
        default: break;
    }
}

}  // namespace loxar
