// Reading and writing log files.
#include "session/log_file.hpp"

#include <algorithm>

#include "model/file_io.hpp"
#include "session/clock.hpp"
#include "session/contest_rules.hpp"
#include "session/country_table.hpp"
#include "session/numbering.hpp"
#include "session/qso_entry.hpp"
#include "session/reevaluation.hpp"
#include "session/scoring.hpp"
#include "text/text.hpp"

namespace loxar {

namespace fs = std::filesystem;

namespace {

Text number_field(int n, std::size_t width) {
    return pad_cut(std::to_string(n), width);
}

std::vector<Text> split_commas(const Text& line) {
    std::vector<Text> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == Text::npos ? Text::npos : comma - start));
        if (comma == Text::npos) break;
        start = comma + 1;
    }
    return fields;
}

// A damaged header may hold any number; one far outside every selector reads as -1.
int field_int(const Text& f) {
    const double v = val(f);
    return v > -100000 && v < 100000 ? static_cast<int>(v) : -1;
}

// A comma inside a text field would shift every later header field on reading (a QTH
// "BUDAPEST, XI" would turn into the UTC offset), so it is written as ";".
Text without_commas(Text t) {
    for (char& c : t) {
        if (c == ',') c = ';';
    }
    return t;
}

Text header_text(const Text& field) {
    return without_commas(one_line(trim(field)));
}

bool fits(const Combo& c, int index) {
    return index >= 0 && index < c.size();
}

}  // namespace

Text log_file_header(const Session& s) {
    const std::vector<Text> fields = {
        header_text(s.station.hivojel_text),
        pad_cut(without_commas(one_line(s.station.QRA_text)), kHeaderLocatorWidth),
        header_text(s.qso.kezelo_text),
        std::to_string(s.qso.sex_combo.list_index),
        number_field(s.current_band_index, 2),
        number_field(s.szabaly_combo.list_index, 2),
        header_text(s.station.exch_text),
        s.real_time_check ? "1" : "0",
        header_text(s.qso.qth_text),
        std::to_string(s.ido_eltolas_combo.list_index),
        header_text(s.station.verseny_neve_text),
        std::to_string(s.auto_mentes_combo.list_index),
    };
    Text header;
    for (std::size_t i = 0; i < fields.size(); ++i) header += (i ? "," : "") + fields[i];
    return header;
}

void apply_log_file_header(Session& s, const Text& header) {
    const std::vector<Text> f = split_commas(header);
    auto has = [&](std::size_t i) { return i < f.size(); };
    if (has(0)) s.station.hivojel_text = col(f[0], 1, kHeaderCallWidth);
    if (has(1)) s.station.QRA_text = col(f[1], 1, kHeaderLocatorWidth);
    if (has(2)) s.qso.kezelo_text = col(f[2], 1, kHeaderNameWidth);
    // A number a selector does not have (a damaged file) leaves the selector as it was.
    if (has(3) && fits(s.qso.sex_combo, field_int(f[3]))) s.qso.sex_combo.set(field_int(f[3]));
    if (has(4)) {
        int band = field_int(f[4]);
        if (band >= 0 && band < kBandCount) {
            s.current_band_index = static_cast<short>(band);
            s.qso.band_text = band_name(band);
            s.sheet.tx_PBand = band_wavelength(band);
        }
    }
    // Choosing another contest type lays out its fields and reads its rules, as the selector does.
    if (has(5) && fits(s.szabaly_combo, field_int(f[5])) && field_int(f[5]) != s.szabaly_combo.list_index) {
        s.szabaly_combo.set(field_int(f[5]));
        szabaly_combo_Click(s);
    }
    if (has(6)) s.station.exch_text = f[6];
    if (has(7)) s.real_time_check = field_int(f[7]) != 0;
    if (has(8)) s.qso.qth_text = f[8];
    if (has(9) && fits(s.ido_eltolas_combo, field_int(f[9]))) s.ido_eltolas_combo.set(field_int(f[9]));
    if (has(10)) s.station.verseny_neve_text = f[10];
    if (has(11) && fits(s.auto_mentes_combo, field_int(f[11]))) s.auto_mentes_combo.set(field_int(f[11]));
}

bool log_mentes(Session& s, const fs::path& path) {
    if (s.log_lista.empty()) return true;
    if (!write_file_atomic(path, log_file_text(log_file_header(s), s.log_lista.items()))) return false;
    // The clock field reads "YYYY-MM-DD/hh:mm:ss"; before the clock's first tick it is still empty.
    s.last_save_time = col(s.ports.clock ? format_date_time(s.ports.clock->now()) : s.pontos_ido, 12, 8);
    return true;
}

void save_band_log(Session& s) {
    const fs::path path = band_save_path(s);
    if (!log_mentes(s, path)) s.ui().notice(hu(u8"Nem sikerült menteni: ") + text_path(path));
}

void log_beolvasas(Session& s, const fs::path& forras) {
    log_beolvasas(s, read_log_file(forras));
}

void log_beolvasas(Session& s, const LogFileRead& file) {
    if (!file.exists) return;
    Ui& ui = s.ui();
    if (!file.problem.empty()) {
        // Nothing of the window changes for a file that is not a log.
        ui.beep();
        ui.message(file.problem);
        return;
    }
    // Appended lines are renumbered after the ones in the log; a sixth digit would be cut off.
    if (log_overflows(s, s.log_lista.size() + file.qso_count())) return;
    s.station.verseny_neve_text.clear();
    s.auto_mentes_combo.set(0);
    ui.busy(true);
    const std::vector<Text>& lines = file.lines;
    if (lines.size() > 1) apply_log_file_header(s, lines[1]);
    switch (s.contest()) {
        case ContestType::YlOm:
        case ContestType::Exchange: s.qso.kuldott_sorszam_text = trim(s.station.exch_text); break;
        case ContestType::Swl: break;
        default: kovetkezo_sorszam_rutin(s); break;
    }
    for (std::size_t i = 2; i < lines.size(); ++i) {
        if (lines[i] == "End") {
            ossz_pontszam_szamolas(s);
            sorszamozas(s);
            kovetkezo_sorszam_rutin(s);
            log_ujraertekeles(s);
            ui.busy(false);
            ui.refresh(Aspect::All);
            if (file.left_out > 0) {
                ui.beep();
                ui.message(log_lines_left_out_message(file.left_out));
            }
            return;
        }
        s.log_changed = false;
        s.log_lista.add(lines[i]);
    }
    // A cut-off file keeps what it had and is not renumbered; the next QSO still gets a number
    // after the lines now in the log, and the total counts them.
    ossz_pontszam_szamolas(s);
    kovetkezo_sorszam_rutin(s);
    ui.busy(false);
    ui.refresh(Aspect::LogList | Aspect::EntryFields | Aspect::Selectors | Aspect::View);
    ui.beep();
    ui.message(hu(u8"File vég hiba!"));
    if (file.left_out > 0) ui.message(log_lines_left_out_message(file.left_out));
}

void tmp_log_beolvasas(Session& s) {
    std::error_code ec;
    if (!fs::exists(s.paths.tmp_log(), ec)) return;
    log_beolvasas(s, s.paths.tmp_log());
    worked_countries_from_log(s);
    if (!s.log_lista.empty()) s.last_save_time = written_time_of_day(s.paths.tmp_log());
}

void worked_countries_from_log(Session& s) {
    switch (s.contest()) {
        case ContestType::HaQrp:
        case ContestType::Dx:
        case ContestType::Nmark: dxcc_vektor_feltoltes(s); break;
        default: break;
    }
}

}  // namespace loxar
