// Band buttons, per-band working files and the band change of the whole log.
#include "session/band_change.hpp"

#include <algorithm>

#include "model/contest_profile.hpp"
#include "model/file_io.hpp"
#include "model/log_fields.hpp"
#include "session/contest_rules.hpp"
#include "session/duplicates.hpp"
#include "session/edit_mode.hpp"
#include "session/log_commands.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/qso_entry.hpp"
#include "session/questions.hpp"
#include "session/rig_control.hpp"

namespace loxar {

namespace {

constexpr short kRhobBand = 3;  // "3,5 MHz"

// The window's band, its band text and the data sheet's band always move together.
void set_band(Session& s, int index) {
    s.current_band_index = static_cast<short>(index);
    s.qso.band_text = band_name(index);
    s.sheet.tx_PBand = band_wavelength(index);
}

int current_band(const Session& s) {
    return std::clamp<int>(s.current_band_index, 0, kBandCount - 1);
}

// One step of a band button; `step` is +1 (up) or -1 (down), stopping at the ends of the table.
int stepped(int band, int step) {
    return std::clamp(band + step, 0, kBandCount - 1);
}

// The band `target`, as the buttons set it: per-band contest types swap the log with its file.
void move_band(Session& s, int target) {
    switch (contest_profile(s.contest()).band_log) {
        case BandLog::Common: set_band(s, target); break;
        case BandLog::FixedRh: set_band(s, kRhobBand); break;
        case BandLog::PerBand: {
            if (!s.log_lista.empty()) {
                const std::filesystem::path file = band_work_path(s);
                // The list is only cleared once its QSOs are safe in the band's working file.
                if (!log_mentes(s, file)) {
                    report_not_saved(s, file);
                    return;
                }
            }
            // A QSO being edited belongs to the list that is going away; its number would point
            // at a QSO of the new band.
            if (s.edit_mode) szerkesztes_mod_kikapcsolas(s);
            s.log_lista.clear();
            kovetkezo_sorszam_rutin(s);
            set_band(s, target);
            log_beolvasas(s, band_work_path(s));
            break;
        }
    }
    // The multiplier depends on the band (CQ-BP), and the found list on the band too.
    mod_szorzo_rutin(s);
    live_duplicate_search(s);
    s.ui().refresh(Aspect::All);
}

// The band chosen in the panel's selector; entries 29-31 of the table are empty and no band.
std::optional<int> chosen_band(Session& s) {
    const int index = s.vegyes.vegyes_combo.list_index;
    if (index >= 0 && index < kBandCount) return index;
    alert(s, hu(u8"Válasszon sávot!"));
    return std::nullopt;
}

bool has_separator(std::string_view line, std::size_t column) {
    return column >= 1 && column <= line.size() && line[column - 1] == '=';
}

}  // namespace

void freki_up_cmd_Click(Session& s) {
    move_band(s, stepped(current_band(s), +1));
    rig_tune_to_band(s);
}

void freki_down_cmd_Click(Session& s) {
    move_band(s, stepped(current_band(s), -1));
    rig_tune_to_band(s);
}

void follow_band(Session& s, int index) {
    if (index <= 0 || index >= kBandCount || index == current_band(s)) return;
    if (contest_profile(s.contest()).band_log == BandLog::FixedRh) return;
    move_band(s, index);
}

std::filesystem::path band_work_path(const Session& s) {
    return s.paths.system_dir / fs_path("tmp_log_" + col(s.qso.band_text, 1, 7) + ".dat");
}

std::optional<std::vector<Text>> lines_with_band(const std::vector<Text>& lines, LineLayout layout,
                                                 const Text& band) {
    const Text band7 = pad_cut(band, 7);
    const bool swl = layout == LineLayout::Swl;
    const std::size_t check = layout_check_column(layout);
    const FieldSpan at = *field_span(layout, Field::Band);
    // The band field must stand between its own separators; a listener's line has one blank
    // between the band and its closing "=".
    const std::size_t opening = at.from - 1;
    const std::size_t closing = at.from + at.len + (swl ? 1 : 0);
    for (const Text& line : lines) {
        const bool ok = has_separator(line, opening) && has_separator(line, closing) &&
                        (swl || has_separator(line, check));
        if (!ok) return std::nullopt;
    }
    std::vector<Text> out;
    out.reserve(lines.size());
    for (const Text& line : lines) {
        out.push_back(col(line, 1, opening) + band7 + col_from(line, at.from + at.len));
    }
    return out;
}

void savvaltas_cmd_Click(Session& s) {
    if (!ask(s, hu(u8"Csinált másolatot?"))) return;
    if (s.log_lista.empty()) {
        alert(s, hu(u8"Üres a LOG lista!"));
        return;
    }
    vegyes_panel_mutatas(s, hu(u8"Sávváltás"), {u8"Váltás", u8"Kész"}, true);
    s.vegyes.vegyes_label = hu(u8"Új sáv");
    s.vegyes.vegyes_combo.items.clear();
    for (const Text& entry : band_table()) s.vegyes.vegyes_combo.items.push_back(col(entry, 1, 7));
    s.vegyes.vegyes_combo.set(current_band(s));
    s.vegyes.vegyes_lista[1].clear();
    for (const Text& line : s.log_lista.items()) s.vegyes.vegyes_lista[1].add(line);
    s.vegyes.vegyes_valaszto = 1;
    s.panel_mode = PanelTask::BandChange;
    s.ui().refresh(Aspect::Panels | Aspect::Vegyes);
}

void savvaltas_valtas_Click(Session& s) {
    if (s.panel_mode != PanelTask::BandChange) return;
    const std::optional<int> band = chosen_band(s);
    if (!band) return;
    std::optional<std::vector<Text>> changed =
        lines_with_band(s.vegyes.vegyes_lista[1].items(), layout_of(s.contest()), band_name(*band));
    if (!changed) {
        alert(s, hu(u8"Rossz a formátum!"));
        return;
    }
    for (std::size_t i = 0; i < changed->size(); ++i)
        s.vegyes.vegyes_lista[1].set(i, std::move((*changed)[i]));
    s.ui().refresh(Aspect::Vegyes);
}

void savvaltas_kesz_Click(Session& s) {
    if (s.panel_mode != PanelTask::BandChange) return;
    const std::optional<int> band = chosen_band(s);
    if (!band) return;
    // An empty copy would wipe the log.
    if (s.vegyes.vegyes_lista[1].empty()) {
        alert(s, hu(u8"Üres a LOG lista!"));
        return;
    }
    set_band(s, *band);
    s.log_lista.clear();
    for (const Text& line : s.vegyes.vegyes_lista[1].items()) s.log_lista.add(line);
    s.log_lista.select_only(s.log_lista.size() - 1);
    s.log_changed = true;
    mod_szorzo_rutin(s);
    // The log changed as after a deletion: the band's working save and the automatic save follow.
    // The per-band ".dat" files stay with the band buttons, which write them when leaving a band.
    const std::filesystem::path save = band_save_path(s);
    if (!log_mentes(s, save)) report_not_saved(s, save);
    auto_log_mentes(s);
    live_duplicate_search(s);
    s.ui().refresh(Aspect::All);
}

}  // namespace loxar
