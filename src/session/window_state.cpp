// The window state file: one table of keys read and written the same way.
#include "session/window_state.hpp"

#include "model/file_io.hpp"
#include "session/contest_rules.hpp"

namespace loxar {

namespace {

std::optional<int> number(const Text& v) {
    if (!is_numeric(v) || v.size() > 6) return std::nullopt;
    return static_cast<int>(val(v));
}

void set_index(Combo& c, const Text& v) {
    if (auto n = number(v); n && *n >= 0 && *n < c.size()) c.set(*n);
}

void set_contest(Session& s, const Text& v) {
    auto n = number(v);
    if (!n || *n < 0 || *n >= s.szabaly_combo.size() || *n == s.szabaly_combo.list_index) return;
    s.szabaly_combo.set(*n);
    szabaly_combo_Click(s);
}

void set_band(Session& s, const Text& v) {
    auto n = number(v);
    if (!n || *n < 0 || *n >= kBandCount) return;
    s.current_band_index = static_cast<short>(*n);
    s.qso.band_text = band_name(*n);
    s.sheet.tx_PBand = band_wavelength(*n);
}

Text flag(bool b) {
    return b ? "1" : "0";
}

struct Entry {
    const char* key;
    Text (*get)(const Session&);
    void (*set)(Session&, const Text&);
};

// Applied in this order: the contest type lays out the fields the others then fill.
const Entry kEntries[] = {
    {"verseny", [](const Session& s) { return std::to_string(s.szabaly_combo.list_index); }, set_contest},
    {"sav", [](const Session& s) { return std::to_string(s.current_band_index); }, set_band},
    {"mod", [](const Session& s) { return std::to_string(s.qso.mod_combo.list_index); },
     [](Session& s, const Text& v) { set_index(s.qso.mod_combo, v); }},
    {"hivojel", [](const Session& s) { return s.station.hivojel_text; },
     [](Session& s, const Text& v) { s.station.hivojel_text = v; }},
    {"qra", [](const Session& s) { return s.station.QRA_text; },
     [](Session& s, const Text& v) { s.station.QRA_text = v; }},
    {"kezelo", [](const Session& s) { return s.qso.kezelo_text; },
     [](Session& s, const Text& v) { s.qso.kezelo_text = v; }},
    {"sex", [](const Session& s) { return std::to_string(s.qso.sex_combo.list_index); },
     [](Session& s, const Text& v) { set_index(s.qso.sex_combo, v); }},
    {"exch", [](const Session& s) { return s.station.exch_text; },
     [](Session& s, const Text& v) { s.station.exch_text = v; }},
    {"qth", [](const Session& s) { return s.qso.qth_text; },
     [](Session& s, const Text& v) { s.qso.qth_text = v; }},
    {"verseny_neve", [](const Session& s) { return s.station.verseny_neve_text; },
     [](Session& s, const Text& v) { s.station.verseny_neve_text = v; }},
    {"auto_mentes", [](const Session& s) { return std::to_string(s.auto_mentes_combo.list_index); },
     [](Session& s, const Text& v) { set_index(s.auto_mentes_combo, v); }},
    {"valos_ido", [](const Session& s) { return flag(s.real_time_check); },
     [](Session& s, const Text& v) { s.real_time_check = v != "0"; }},
    {"ido_eltolas", [](const Session& s) { return std::to_string(s.ido_eltolas_combo.list_index); },
     [](Session& s, const Text& v) { set_index(s.ido_eltolas_combo, v); }},
    {"adatbazis", [](const Session& s) { return flag(s.automata_check); },
     [](Session& s, const Text& v) { s.automata_check = v != "0"; }},
    {"torles", [](const Session& s) { return flag(s.auto_torles_check); },
     [](Session& s, const Text& v) { s.auto_torles_check = v == "1"; }},
};

// Calls `each(entry, value)` for every known key of the file, in table order.
template <class F>
void for_each_value(const Text& bytes, F each) {
    const std::vector<Text> lines = split_lines(bytes);
    for (const Entry& e : kEntries) {
        const Text prefix = Text(e.key) + "=";
        for (const Text& line : lines) {
            if (line.starts_with(prefix)) {
                each(e, line.substr(prefix.size()));
                break;
            }
        }
    }
}

std::filesystem::path state_path(const Session& s) {
    return s.paths.system_dir / kWindowStateFile;
}

}  // namespace

Text window_state_text(const Session& s) {
    Text out;
    // A line break in a value would split its line: a blank stands for it.
    for (const Entry& e : kEntries) out += Text(e.key) + "=" + one_line(e.get(s)) + kCrLf;
    return out;
}

void apply_window_state(Session& s, const Text& bytes) {
    for_each_value(bytes, [&](const Entry& e, const Text& v) { e.set(s, v); });
}

void apply_window_state_mode(Session& s, const Text& bytes) {
    for_each_value(bytes, [&](const Entry& e, const Text& v) {
        if (Text(e.key) == "mod") e.set(s, v);
    });
}

Text ablak_allapot_beolvasas(Session& s) {
    // A state file is a few hundred bytes; anything large is not ours.
    const std::optional<Text> bytes = read_file(state_path(s), 64 * 1024);
    if (!bytes) return {};
    apply_window_state(s, *bytes);
    s.remembered_window_state = window_state_text(s);
    return *bytes;
}

void ablak_allapot_mentes(Session& s) {
    Text now = window_state_text(s);
    if (now == s.remembered_window_state) return;
    // A failed write is tried again at the next change; the log's own files do not depend on it.
    if (write_file_atomic(state_path(s), now)) s.remembered_window_state = std::move(now);
}

}  // namespace loxar
