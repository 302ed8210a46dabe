// Start-up, window defaults and the main command buttons.
#include "session/startup.hpp"

#include "model/default_data.hpp"
#include "model/file_io.hpp"
#include "model/log_fields.hpp"
#include "model/paths.hpp"
#include "rules/rule_files.hpp"
#include "session/adif_export.hpp"
#include "session/calling.hpp"
#include "session/contest_rules.hpp"
#include "session/country_table.hpp"
#include "session/data_sheet.hpp"
#include "session/keying_box.hpp"
#include "session/log_file.hpp"
#include "session/log_import.hpp"
#include "session/numbering.hpp"
#include "session/oblast_table.hpp"
#include "session/own_data.hpp"
#include "session/qso_entry.hpp"
#include "session/questions.hpp"
#include "session/recovery.hpp"
#include "session/report_panel.hpp"
#include "session/rig_control.hpp"
#include "session/scoring.hpp"
#include "session/window_state.hpp"

namespace loxar {

namespace {

std::vector<Text> numbered_items(int from, int to, const Text& prefix, const Text& suffix) {
    std::vector<Text> items;
    for (int i = from; i <= to; ++i) items.push_back(prefix + std::to_string(i) + suffix);
    return items;
}

void fill(Combo& c, std::vector<Text> items, int index) {
    c.items = std::move(items);
    c.set(index);
}

}  // namespace

void form_inic(Session& s) {
    s.qso = empty_qso_record();
    s.station = {};
    s.sheet = {};
    s.qso.log_sorszam_text = "00001";
    s.qso.edit_sorszam_text = "00000";
    s.qso.pontszam_text = "00000";
    s.qso.tavolsag_text = "00000";
    s.qso.frekvencia_text = "00.000";
    s.szorzo_text = "0";
    s.ossz_pontszam_text = "0";
    s.real_time_check = true;

    fill(s.szabaly_combo, {contest_type_names().begin(), contest_type_names().end()}, 0);
    fill(s.ido_eltolas_combo, {" 0", "-1", "-2", "-3", "-4"}, 1);
    fill(s.auto_mentes_combo,
         {hu(u8"Nincs automatikus mentés"), hu(u8"Mentés közös file-ba"), hu(u8"Mentés sávonként file-ba")},
         0);
    fill(s.formatum_combo,
         {"EDIF", "YLOM", "HA-DX", "CQ-WW-VHF", "HA-QRP", "RH-OB", "RDXC-ALL", "RDXC-TWO", "HSKC", "SKMC",
          "DX", "EXCHANGE", "NMARK", "REF", "SWL"},
         0);
    s.sort_combo = {};

    s.current_band_index = kDefaultBandIndex;
    s.qso.band_text = band_name(kDefaultBandIndex);
    s.sheet.tx_PBand = band_wavelength(kDefaultBandIndex);

    s.keyer = StationControl{};
    s.keyer.cw_messages.fill("-----");
    s.keyer.voice_messages.fill("-----");

    fill(s.keyer.settings.ismetles_combo, numbered_items(2, 9, "", " mp"), 1);
    fill(s.keyer.settings.wpm_combo, numbered_items(5, 30, "", " WPM"), 10);
    fill(s.keyer.settings.kesleltetes_combo, numbered_items(2, 9, "", "00ms"), 0);
    for (Combo& gain : s.keyer.settings.erosito_combo) {
        fill(gain, {" 1", " 2", " 4", " 5", " 8", "10", "16", "32"}, 3);
    }
    fill(s.keyer.settings.billentyuzo_port_combo, numbered_items(1, 15, "COM", ""), 0);

    s.panel = Panel::Log;
    s.log_changed = false;
    s.edit_mode = false;
    s.blink_phase = 0;
    s.call_countdown = 0;
}

void fekete_hivojelek_beolvasasa(Session& s) {
    s.plain_colour_calls = {};
    auto bytes = read_file(s.paths.system_dir / kPlainColourCallsFile, 64 * 1024);
    if (!bytes) return;
    std::size_t n = 0;
    for (const Text& line : split_lines(*bytes)) {
        Text call = upper_hu(trim(line));
        if (!call.empty() && n < s.plain_colour_calls.size()) s.plain_colour_calls[n++] = call;
    }
}

Status Form_Load(Session& s, const std::filesystem::path& home) {
    form_inic(s);
    s.paths = make_paths(home);
    if (Status folders = prepare_folders(s.paths); !folders) return folders;
    szabaly_fileok_letrehozasa(s.paths);
    install_default_data(s.paths);

    s.panel = Panel::Log;
    dxcc_tabla_betoltes(s);
    s.szabaly_combo.set(0);
    szabaly_combo_Click(s);

    sajat_adat_beolvasas(s);
    // The state of the last run, also when it ended without STOP; a log read below overrides it.
    const Text last_state = ablak_allapot_beolvasas(s);
    hivas_adat_beolvasas(s);
    adatlap_torlo_rutin(s);
    edi_erase_rutin(s);
    dxcc_lista_toltes(s);
    ru_exchange_toltes(s);
    fekete_hivojelek_beolvasasa(s);

    std::error_code ec;
    if (std::filesystem::exists(s.paths.tmp_log(), ec)) {
        tmp_log_beolvasas(s);
        kovetkezo_sorszam_rutin(s);
    }
    const Text restored = crash_recovery(s);
    apply_window_state_mode(s, last_state);
    calling_list_of_mode(s);
    s.start_loaded = true;
    if (!restored.empty()) {
        alert(s, restored);
    }

    billentyuzo_inditas(s);
    rig_adat_beolvasas(s);
    // The time field's colour is set by every key; the restored window shows it before the first.
    kepernyo_szinezes(s);
    s.ui().refresh(Aspect::All);
    // With the mode of the last run back, the entry fields are ready for the next QSO (reports,
    // serials) as after one; with a log to continue, the operator types the next callsign at once.
    if (s.qso.mod_combo.list_index > 0) torles_rutin(s);
    if (!s.log_lista.empty()) s.ui().focus(Control::kapott_hivojel_text, true);
    return {};
}

void log_inic_rutin(Session& s) {
    kovetkezo_sorszam_rutin(s);
    QsoRecord& q = s.qso;
    q.kapott_hivojel_text.clear();
    q.kapott_sorszam_text.clear();
    q.kapott_QRA_text.clear();
    q.kapott_nev_text.clear();
    const Text report = q.mod_combo.list_index == kModeCw ? "599" : "59";
    q.kapott_riport_text = report;
    q.kuldott_riport_text = report;
    // A listener's "sent" field is the heard partner's exchange: our own number does not belong there.
    if (s.contest() == ContestType::Swl) {
        q.kuldott_sorszam_text.clear();
    } else {
        q.kuldott_sorszam_text = std::to_string(int_value(q.log_sorszam_text));
    }
    q.tavolsag_text = "0";
    q.pontszam_text = "0";
    q.edit_sorszam_text = "00000";
    s.ui().refresh(Aspect::EntryFields);
}

void main_cmd_Click(Session& s, int index) {
    switch (index) {
        case 0:
            s.panel = Panel::Log;
            log_inic_rutin(s);
            ossz_pontszam_szamolas(s);
            break;
        case 1:
            if (sajat_adat_vizsgalat(s) == 0) {
                s.panel = Panel::Adatlap;
                s.sheet.tx_PCall = s.station.hivojel_text;
                s.sheet.tx_PWWLo = s.station.QRA_text;
            }
            break;
        case 2:
            if (sajat_adat_vizsgalat(s) != 0) break;
            if (s.log_lista.empty()) {
                alert(s, hu(u8"Előbb írja be a LOG-ot!"));
                break;
            }
            s.panel = Panel::Jegyzokonyv;
            jegyzokonyv_formatum_valasztas(s);
            break;
        case 3: s.panel = Panel::Aprosag; break;
        case 4: s.panel = Panel::Help; break;
        case 5: adif_export(s); break;
        case 6: import_inditas(s); break;
        case 7: s.panel = Panel::Osszesito; break;
        default: break;
    }
    s.ui().refresh(Aspect::Panels | Aspect::EntryFields | Aspect::Selectors | Aspect::DataSheet |
                   Aspect::Report | Aspect::DatabasePanels | Aspect::View);
}

void frissites_rutin(Session& s) {
    s.sheet.tx_PCall = s.station.hivojel_text;
    if (!s.log_lista.empty()) {
        const LineLayout layout = layout_of(s.contest());
        s.sheet.tx_TDate_1 = field(s.log_lista.at(0), layout, Field::Date);
        s.sheet.tx_TDate_2 = field(s.log_lista.at(s.log_lista.size() - 1), layout, Field::Date);
    }
    s.sheet.tx_PWWLo = s.station.QRA_text;
    s.sheet.tx_PExch = s.station.exch_text;
    if (!s.log_lista.empty()) {
        s.sheet.tx_PBand = field_trimmed(s.log_lista.at(0), layout_of(s.contest()), Field::Band);
    }
    s.ui().refresh(Aspect::DataSheet);
}

void kepernyo_szinezes(Session& s) {
    const Text own = trim(s.station.hivojel_text);
    bool plain = false;
    for (const Text& call : s.plain_colour_calls) plain = plain || (!call.empty() && call == own);
    const Color c = plain ? Color::Black : Color::Red;
    if (s.view[Control::log_ido].fore == c && s.view[Control::idopont_label].fore == c) return;
    s.view[Control::log_ido].fore = c;
    s.view[Control::idopont_label].fore = c;
    s.ui().refresh(Aspect::View);
}

}  // namespace loxar
