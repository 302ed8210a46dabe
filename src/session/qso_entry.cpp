// QSO entry: keys and events of the entry fields, leaving the callsign, adding a QSO.
#include "session/qso_entry.hpp"

#include "database/db_lookup.hpp"
#include "model/entry_filter.hpp"
#include "model/file_io.hpp"
#include "model/qso_line.hpp"
#include "rules/qso_rules.hpp"
#include "session/backup.hpp"
#include "session/clock.hpp"
#include "session/db_lookup.hpp"
#include "session/duplicates.hpp"
#include "session/log_commands.hpp"
#include "session/log_file.hpp"
#include "session/numbering.hpp"
#include "session/own_data.hpp"
#include "session/qrb.hpp"
#include "session/questions.hpp"
#include "session/rig_control.hpp"
#include "session/scoring.hpp"
#include "session/startup.hpp"

namespace loxar {

namespace {

using T = ContestType;

bool one_of(T t, std::initializer_list<T> types) {
    for (T x : types)
        if (x == t) return true;
    return false;
}

// Error bits of the validation, in the order their texts are listed.
enum : unsigned short {
    kBadCall = 1,
    kBadLocator = 2,
    kBadRxReport = 4,
    kBadTxReport = 8,
    kBadRxSerial = 16,
    kBadTxSerial = 32,
    kBadMode = 64,
    kBadSex = 128,
    kBadName = 256,
    kBadDate = 512,
};

unsigned short validation_mask(QsoRecord& r, T type) {
    unsigned short mask = 0;
    const bool swl = type == T::Swl;
    if (trim(r.kapott_hivojel_text).empty()) mask |= kBadCall;
    if (one_of(type, {T::Iaru, T::CqBp, T::CqwwVhf})) {
        if (trim(r.kapott_QRA_text).empty()) r.kapott_QRA_text = kNoLocator;
        const std::size_t least = type == T::CqwwVhf ? 4 : 6;
        if (trim(r.kapott_QRA_text).size() < least) mask |= kBadLocator;
    }
    if (one_of(type, {T::Hadx, T::RhOb})) r.kapott_QRA_text = kNoLocator;
    const bool reports_checked =
        one_of(type, {T::Iaru, T::YlOm, T::CqBp, T::Exchange, T::Hadx, T::CqwwVhf, T::RhOb});
    if (reports_checked && !is_numeric(r.kapott_riport_text)) mask |= kBadRxReport;
    if (swl && trim(r.kapott_riport_text).empty()) mask |= kBadRxReport;
    if (reports_checked && !is_numeric(r.kuldott_riport_text)) mask |= kBadTxReport;
    const bool serials_checked = one_of(type, {T::Iaru, T::YlOm, T::CqBp});
    if (serials_checked && !is_numeric(r.kapott_sorszam_text)) mask |= kBadRxSerial;
    if ((type == T::RhOb || swl) && trim(r.kapott_sorszam_text).empty()) mask |= kBadRxSerial;
    if (serials_checked && !is_numeric(r.kuldott_sorszam_text)) mask |= kBadTxSerial;
    if (type == T::RhOb && trim(r.kuldott_sorszam_text).empty()) mask |= kBadTxSerial;
    if (r.mod_combo.list_index <= 0) mask |= kBadMode;
    if (type == T::YlOm && r.kapott_sex_combo.list_index <= 0) mask |= kBadSex;
    if (type == T::YlOm && trim(r.kapott_nev_text).empty()) mask |= kBadName;
    // A rewritten QSO is not checked by datum_ellenorzes: its time must not pass unseen here.
    if (!is_date(col(r.log_ido, 1, 10)) || !is_time(col(r.log_ido, 12, 8))) mask |= kBadDate;
    return mask;
}

Text validation_message(unsigned short mask, T type) {
    const bool swl = type == T::Swl;
    const char8_t* texts[] = {
        swl ? u8"Hallott/Partner hívójel hiba" : u8"Kapott hívójel hiba",
        u8"Kapott QRA hiba",
        swl ? u8"Hallott riport hiba" : u8"Kapott riport hiba",
        u8"Küldött riport hiba",
        swl ? u8"Hallott exchange hiba" : u8"Kapott sorszám hiba",
        u8"Küldött sorszám hiba",
        u8"Üzemmód hiba",
        u8"Kapott sex hiba",
        u8"Kapott név hiba",
        u8"Dátum hiba",
    };
    Text message;
    for (int bit = 0; bit < 10; ++bit) {
        if (mask & (1u << bit)) message += hu(texts[bit]) + kCrLf;
    }
    return message;
}

}  // namespace

short QSO_adat_vizsgalat(Session& s) {
    const T type = s.contest();
    const unsigned short mask = validation_mask(s.qso, type);
    if (mask == 0) return 1;
    alert(s, validation_message(mask, type));
    return 0;
}

std::filesystem::path band_save_path(const Session& s) {
    return s.paths.system_dir / fs_path("tmp_log_" + col(s.qso.band_text, 1, 7) + ".save");
}

namespace {

constexpr Control kCall = Control::kapott_hivojel_text;
constexpr Control kCall2 = Control::hivojel_2_text;
constexpr Control kRxReport = Control::kapott_riport_text;
constexpr Control kRxSerial = Control::kapott_sorszam_text;
constexpr Control kRxLocator = Control::kapott_QRA_text;
constexpr Control kRxName = Control::kapott_nev_text;
constexpr Control kRxSex = Control::kapott_sex_combo;
constexpr Control kTxReport = Control::kuldott_riport_text;
constexpr Control kTxSerial = Control::kuldott_sorszam_text;
constexpr Control kTxName = Control::kuldott_nev_text;

// Fields that take Enter (add) and Space (next field).
bool is_entry_field(Control c) {
    for (Control f :
         {kCall, kRxReport, kRxSerial, kRxLocator, kRxName, kTxReport, kTxSerial, kTxName, kCall2}) {
        if (c == f) return true;
    }
    return false;
}

void refresh_entry(Session& s) {
    s.ui().refresh(Aspect::EntryFields);
}

void set_view_enabled(Session& s, Control control, bool on) {
    s.view[control].enabled = on;
}

// Step 5 of leaving the callsign: the country (and for Russia the oblast) of the station.
void country_of_callsign(Session& s) {
    s.worked.current_country_index = 0;
    s.worked.current_continent.clear();
    s.worked.current_country_name.clear();
    s.worked.current_oblast_name.clear();
    s.worked.current_oblast_index = 0;
    const T type = s.contest();
    const Text& call = s.qso.kapott_hivojel_text;
    if (one_of(type, {T::RhOb, T::Hskc, T::SilentKeyMem, T::Nmark, T::Swl})) return;
    if (type == T::Ref && !ref_scored_call(call)) return;
    const StationCountry c = station_country(*s.countries, s.db.exchange_lista.items(), call);
    s.worked.current_country_index = static_cast<short>(c.country_index);
    s.worked.current_continent = c.continent;
    s.worked.current_country_name = c.country_name;
    if (c.russian) {
        // An oblast the table does not know leaves the operator's own entry.
        if (type != T::Hadx && !c.oblast_code.empty()) s.qso.kapott_sorszam_text = c.oblast_code;
        s.worked.current_oblast_name = c.oblast_name;
        s.worked.current_oblast_index = static_cast<short>(c.oblast_index);
    }
    s.worked.qth_label = station_label(c);
}

// "-----" when a REF exchange is already in the log, "Multi" when it is new.
Text ref_exchange_marker(const ListBox& log, const Text& typed) {
    const Text key = ref_exchange_key(typed);
    for (const Text& line : log.items()) {
        if (ref_exchange_key(col(line, 46, 4)) == key) return "-----";
    }
    return "Multi";
}

// What a contest type does to the record before its line is built.
void before_building(Session& s) {
    const int band = s.current_band_index;
    switch (s.contest()) {
        case T::Hadx:
            s.qso.kapott_nev_text.clear();
            mark_country(s, s.worked.current_country_index, band);
            break;
        case T::HaQrp:
        case T::Dx:
        case T::Hskc:
        case T::Nmark:
        case T::Ref:
        case T::Swl: break;
        case T::RhOb:
            s.qso.pontszam_text = "1";
            s.qso.tavolsag_text = "0";
            break;
        case T::RudxAll:
        case T::RudxTwo:
            mark_country(s, s.worked.current_country_index, band);
            mark_oblast(s, s.worked.current_oblast_index, band);
            break;
        case T::SilentKeyMem: {
            Text evaluation;
            SKM_ertekeles(s, evaluation);
            s.qso.tavolsag_text = evaluation;
            break;
        }
        default: tavolsag_szamolo_rutin(s); break;
    }
}

// What it does once the line is in the log: the worked keys of HSKC and SILENT KEY MEM.
void after_appending(Session& s) {
    const T type = s.contest();
    if (type == T::SilentKeyMem) {
        const int zone = skm_zone_key(s.qso.kapott_QRA_text);
        if (zone >= 0) mark_country(s, zone, s.current_band_index);
    }
    if ((type == T::Hskc || type == T::SilentKeyMem) && !s.worked.held_multiplier_key.empty()) {
        add_multiplier_key(s, s.worked.held_multiplier_key);
    }
    s.worked.held_multiplier_key.clear();
}

}  // namespace

char entry_char(Control control, char c) {
    return filter_char(entry_field_kind(control), c);
}

std::optional<Control> space_target(ContestType type, Control c) {
    if (c == kCall || c == kCall2) return type == T::CqwwVhf ? kRxLocator : kRxSerial;
    if (c == kRxReport) return kRxSerial;
    if (c == kRxSerial) {
        if (one_of(type, {T::YlOm, T::HaQrp, T::Dx, T::Nmark})) return kRxName;
        if (one_of(type, {T::Hadx, T::RhOb, T::RudxAll, T::RudxTwo, T::Hskc, T::Ref})) return kCall;
        if (type == T::Swl) return kCall2;
        return kRxLocator;
    }
    if (c == kRxLocator) {
        if (one_of(type, {T::YlOm, T::Iaru, T::CqBp, T::CqwwVhf, T::Swl, T::None})) return kRxName;
        if (one_of(type, {T::Hskc, T::SilentKeyMem})) return kCall;
        return std::nullopt;
    }
    if (c == kRxName) return type == T::YlOm ? kRxSex : kTxReport;
    if (c == kTxReport) return kTxSerial;
    if (c == kTxSerial) return one_of(type, {T::HaQrp, T::Nmark}) ? kTxName : kCall;
    if (c == kTxName) return kCall;
    return std::nullopt;
}

bool entry_key_press(Session& s, Control control, char& c) {
    s.entry_untouched_since_add = false;
    if (is_entry_field(control)) {
        if (c == '\r' || c == '\n') {
            hozzaadas_rutin(s);
            return true;
        }
        if (c == ' ') {
            if (auto target = space_target(s.contest(), control)) s.ui().focus(*target, true);
            return true;
        }
    }
    if ((c == '\r' || c == '\n') && control == Control::frekvencia_text) {
        frekvencia_text_Enter(s);  // the radio goes there
        return true;
    }
    if (c == '\r' || c == '\n') return false;  // Enter types nothing into the other fields
    c = entry_char(control, c);
    if (c != '\0') return false;
    s.ui().beep();
    return true;
}

bool kapott_sex_combo_KeyPress(Session& s, char c) {
    int item = -1;
    switch (c) {
        case '\r':
        case '\n': hozzaadas_rutin(s); return true;
        case 'N':
        case 'n': item = 1; break;
        case 'F':
        case 'f': item = 2; break;
        case '.': item = 0; break;
        default: return false;
    }
    s.qso.kapott_sex_combo.set(item);
    s.ui().refresh(Aspect::Selectors);
    return true;
}

void entry_field_got_focus(Session& s, Control control) {
    if (control == Control::edit_sorszam_text) return;  // the editing code owns that field
    if (is_entry_field(control)) s.ui().focus(control, true);
}

void entry_field_lost_focus(Session& s, Control control, bool moves_focus) {
    // Fields the last add cleared or refilled hold nothing of the operator's to check.
    if (s.entry_untouched_since_add) return;
    QsoRecord& q = s.qso;
    const T type = s.contest();
    if (control == kCall) {
        kapott_hivojel_text_LostFocus(s);
        return;
    }
    if (control == kRxReport) q.kapott_riport_text = trim(q.kapott_riport_text);
    if (control == kTxReport) q.kuldott_riport_text = trim(q.kuldott_riport_text);
    if (control == kTxSerial) q.kuldott_sorszam_text = trim(q.kuldott_sorszam_text);
    if (control == kRxSerial) {
        q.kapott_sorszam_text = trim(q.kapott_sorszam_text);
        if (type == T::SilentKeyMem) SKM_ertekeles(s, q.tavolsag_text);
        if (moves_focus) {
            if (one_of(type, {T::HaQrp, T::Dx, T::Nmark})) s.ui().focus(kRxName, true);
            if (one_of(type, {T::Iaru, T::CqBp, T::CqwwVhf, T::Swl, T::None})) s.ui().focus(kRxLocator, true);
        }
    }
    if ((control == kRxName || control == kTxName) && moves_focus) s.ui().focus(kCall, true);
    if (control == kRxLocator) {
        if (QRA_ellenorzes(s, q.kapott_QRA_text) && distance_is_numeric(type)) tavolsag_szamolo_rutin(s);
    }
    if (control == kRxSex) tavolsag_szamolo_rutin(s);
    refresh_entry(s);
}

void entry_field_changed(Session& s, Control control) {
    if (control == kRxSerial && s.contest() == T::Ref) {
        s.qso.tavolsag_text = ref_exchange_marker(s.log_lista, s.qso.kapott_sorszam_text);
        refresh_entry(s);
    }
    if (control == kCall || control == kCall2) {
        live_duplicate_search(s);
        if (control == kCall) database_select_typed(s);
    }
}

void entry_label_cmd_Click(Session& s, Control button) {
    static constexpr std::pair<Control, Control> kTargets[] = {
        {Control::kapott_hivojel_cmd, kCall},      {Control::kapott_cmd, kRxReport},
        {Control::kapott_sorszam_cmd, kRxSerial},  {Control::kapott_QRA_cmd, kRxLocator},
        {Control::kapoo_nev_cmd, kRxName},         {Control::kuldott_riport_cmd, kTxReport},
        {Control::kuldott_sorszam_cmd, kTxSerial}, {Control::kuldott_nev_cmd, kTxName},
        {Control::hivojel_2_cmd, kCall2},
    };
    if (button == Control::kapott_cmd) {
        s.qso.kapott_riport_text = s.qso.mod_combo.text() == "CW" ? "599" : "59";
        refresh_entry(s);
    }
    for (const auto& [name, field] : kTargets) {
        if (name == button) s.ui().focus(field, true);
    }
}

void OM_cmd_Click(Session& s) {
    s.qso.kapott_sex_combo.set(2);
    s.ui().refresh(Aspect::Selectors);
    s.ui().focus(kRxSex, false);
}

void YL_cmd_Click(Session& s) {
    s.qso.kapott_sex_combo.set(1);
    s.ui().refresh(Aspect::Selectors);
    s.ui().focus(kRxSex, false);
}

void csere_cmd_Click(Session& s) {
    QsoRecord& q = s.qso;
    std::swap(q.kapott_hivojel_text, q.hivojel_2_text);
    std::swap(q.kapott_riport_text, q.kuldott_riport_text);
    std::swap(q.kapott_sorszam_text, q.kuldott_sorszam_text);
    refresh_entry(s);
    live_duplicate_search(s);
}

void kapott_hivojel_text_LostFocus(Session& s) {
    if (s.qso.mod_combo.list_index <= 0) {
        alert(s, hu(u8"Valasszon adasmódot!"));
        return;
    }
    if (s.edit_mode) return;
    if (s.automata_check) {
        allomas_adat_kereses(s);
        tavolsag_szamolo_rutin(s);
    }
    s.qso.kapott_hivojel_text = trim(s.qso.kapott_hivojel_text);
    country_of_callsign(s);
    multiplier_prefill(s);
    s.worked.evaluated_callsign = s.qso.kapott_hivojel_text;
    s.ui().refresh(Aspect::EntryFields | Aspect::Selectors | Aspect::DatabaseLists | Aspect::View);
}

void hozzaadas_rutin(Session& s) {
    Ui& ui = s.ui();
    if (s.edit_mode) {
        ui.beep();
        ask(s, hu(u8"A program Szerkesztés módban van.") + kCrLf +
                   hu(u8"A kilépéshez kattintson a villogó mezőre!"));
        return;
    }
    // A sixth digit would not fit the line: the QSO stays in the fields, nothing is written.
    const auto numbered =
        std::max(static_cast<std::size_t>(largest_log_number(s.log_lista)), s.log_lista.size());
    if (log_overflows(s, numbered + 1)) return;
    // The country, points and marker must be those of this callsign, not of the one before.
    if (trim(s.qso.kapott_hivojel_text) != s.worked.evaluated_callsign && s.qso.mod_combo.list_index > 0) {
        kapott_hivojel_text_LostFocus(s);
    }
    if (!datum_ellenorzes(s)) return;
    if (!QRA_ellenorzes(s, s.qso.kapott_QRA_text)) return;
    if (sajat_adat_vizsgalat(s) != 0) return;
    if (QSO_adat_vizsgalat(s) == 0) {
        refresh_entry(s);
        return;
    }
    live_duplicate_search(s);
    if (!s.worked.talalt_log_lista.empty()) {
        ui.beep();
        if (!ask(s, hu(u8"Dupla QSO, Folytatja?"))) {
            ui.focus(kCall, true);
            return;
        }
    }
    s.qso.edit_sorszam_text = "00000";
    before_building(s);
    short funkcio = kFunkcioNew;
    const Text line = build_log_line(s, funkcio);
    s.log_lista.add(line);
    s.entry_untouched_since_add = true;
    after_appending(s);
    if (s.contest() != T::Swl) ossz_pontszam_szamolas(s);
    // The QSO is in the log: a failed write is shown without a box, so the next call's keys
    // go where the operator types them.
    if (!write_backup_record(s, kBackupAdded, line)) {
        ui.notice(hu(u8"Nem sikerült írni a backup file-t!"));
    }
    kovetkezo_sorszam_rutin(s);
    s.log_changed = true;
    const std::size_t last = s.log_lista.size() - 1;
    s.log_lista.select_only(last);
    s.log_lista.list_index = static_cast<long>(last);
    ui.refresh(Aspect::LogList);
    if (s.auto_torles_check) torles_rutin(s);
    save_band_log(s);
    auto_log_mentes(s);
    live_duplicate_search(s);
    ui.refresh(Aspect::EntryFields | Aspect::Selectors | Aspect::DatabaseLists | Aspect::FoundList |
               Aspect::View);
    if (!s.real_time_check) {
        ui.focus(Control::log_ido, true);
    } else {
        ui.focus(kCall, true);
    }
    // A band the radio moved to while this QSO was typed is taken now that it is in the log.
    rig_catch_up(s);
}

void log_hozzaad_cmd_Click(Session& s) {
    hozzaadas_rutin(s);
}

void torles_rutin(Session& s) {
    log_inic_rutin(s);
    QsoRecord& q = s.qso;
    switch (s.contest()) {
        case T::YlOm:
        case T::Hadx:
            q.kapott_QRA_text = kNoLocator;
            set_view_enabled(s, kRxLocator, false);
            q.kuldott_sorszam_text = s.station.exch_text;
            break;
        case T::CqBp:
        case T::Exchange: set_view_enabled(s, kRxLocator, true); break;
        case T::HaQrp:
        case T::Dx:
        case T::Nmark:
            q.kuldott_sorszam_text = q.qth_text;
            q.kuldott_nev_text = q.kezelo_text;
            break;
        case T::RhOb: q.kapott_QRA_text = kNoLocator; break;
        case T::Hskc:
            kovetkezo_sorszam_rutin(s);
            q.kapott_QRA_text = kNoLocator;
            break;
        case T::SilentKeyMem:
            q.kuldott_sorszam_text = s.station.exch_text;
            q.kapott_QRA_text = kNoLocator;
            break;
        case T::Ref:
            q.kapott_QRA_text = kNoLocator;
            set_view_enabled(s, kRxLocator, false);
            break;
        case T::Swl:
            q.kapott_QRA_text = kNoLocator;
            set_view_enabled(s, kRxLocator, false);
            q.hivojel_2_text.clear();
            break;
        default: break;
    }
    s.worked.held_multiplier_key.clear();
    s.db.qra_lista.clear();
    live_duplicate_search(s);
    s.ui().refresh(Aspect::EntryFields | Aspect::Selectors | Aspect::DatabaseLists | Aspect::View);
    s.ui().focus(kCall, true);
}

Text build_log_line(Session& s, short& funkcio) {
    switch (layout_of(s.contest())) {
        case LineLayout::Qrp: {
            char marker = s.restored_country_marker;
            if (funkcio != kFunkcioRewrite) {
                const CountryLookup& countries = s.countries ? *s.countries : Session::kNoCountries;
                marker = new_country_marker(s.qso.kapott_hivojel_text, countries, s.score.country_worked);
            }
            return QRP_sor_osszeallitas(s.qso, funkcio, marker);
        }
        case LineLayout::Skm: return SKM_sor_osszeallitas(s.qso, funkcio, s.restored_itu_zone);
        case LineLayout::Nmark: return NMARK_sor_osszeallitas(s.qso, funkcio);
        case LineLayout::Swl: return SWL_log_sor_osszeallitas(s.qso, funkcio);
        case LineLayout::General: break;
    }
    return log_sor_osszeallitas(s.qso, s.contest(), funkcio);
}

}  // namespace loxar
