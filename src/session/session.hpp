// The session: the model of the main window that every procedure reads and writes.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "database/callsign_db.hpp"
#include "database/qra_list.hpp"
#include "database/summary_viewer.hpp"
#include "exchange/import_state.hpp"
#include "model/bands.hpp"
#include "model/callsign_index.hpp"
#include "model/contest_types.hpp"
#include "model/country_lookup.hpp"
#include "model/paths.hpp"
#include "model/qso_record.hpp"
#include "model/view.hpp"
#include "model/widgets.hpp"
#include "reports/sheet_state.hpp"
#include "rules/locator.hpp"
#include "rules/scoring.hpp"
#include "session/ports.hpp"
#include "station/station_control.hpp"
#include "statistics/statistics_state.hpp"
#include "text/text.hpp"

namespace loxar {

// The variables of the yes/no dialog and the file chooser, shared by every caller.
struct DialogVars {
    short question_number = 0;
    Text question_text;
    Text dialog_answer;  // "OK" for yes, empty otherwise
    short chooser_mode = 0;
    Text chooser_directory;
    Text chooser_extension;
    Text chooser_title;
    Text chosen_path;
};

class CountryTable;  // rules/country_table.hpp

struct Session {
    // Entry and own-station fields.
    QsoRecord qso;
    StationFields station;
    DataSheet sheet;
    Text pontos_ido;      // the clock field
    Text last_save_time;  // hh:mm:ss of the last write of the log (working save, LOG); empty: none yet
    Text szorzo_text = "0";
    Text ossz_pontszam_text = "0";
    bool real_time_check = true;
    bool automata_check = true;      // database lookup when the callsign is left
    bool auto_torles_check = false;  // clear the entry fields after each QSO

    // Selectors of the log panel.
    Combo szabaly_combo;
    Combo ido_eltolas_combo;
    Combo auto_mentes_combo;
    Combo formatum_combo;
    Combo sort_combo;
    // Keying box, calling messages and automatic calling (station/).
    StationControl keyer;

    // Lists.
    ListBox log_lista;
    CallsignIndex callsign_index;  // of log_lista, for the live duplicate search

    // Window-level state.
    bool log_changed = false;
    bool edit_mode = false;
    short blink_phase = 0;
    short current_band_index = kDefaultBandIndex;
    short call_countdown = 0;
    // Set when a QSO was added, until the operator's next key in an entry field: the fields the
    // add cleared or refilled are not the operator's input, so leaving them checks nothing.
    bool entry_untouched_since_add = false;
    // The window state file's text as last written (session/window_state).
    Text remembered_window_state;
    // The start has read the state and the log, so saving them can no longer lose anything.
    bool start_loaded = false;
    Panel panel = Panel::Log;
    PanelTask panel_mode = PanelTask::None;
    bool saved_real_time = false;  // switches held while edit mode is on
    bool saved_auto_lookup = false;
    char restored_country_marker = '-';  // QRP marker kept between restore and rewrite
    Text restored_itu_zone;              // SKM received ITU zone kept between restore and rewrite

    // Locators, distance and bearing: the last computation and the bearing field.
    QrbValues qrb;
    Text iranyszog_text;

    // Callsign database and the Russian oblast table.
    CallsignDb qra_sort_lista;     // the database list; its current record is what the window shows
    bool database_loaded = false;  // lookups are off while false
    ListBox qra_lista;             // locators of the station found last
    ListBox exchange_lista;        // entries of the oblast table
    Text ru_exchange_status;       // status of the last oblast table load, for a label
    QraListPanel qra_list_panel;   // "Hívójel lista": the working list and its entry fields
    SummaryPanel summary_panel;    // "Összesítő"

    // Program-wide.
    Paths paths;
    DialogVars dialog;
    // Own callsigns for which the time field is drawn black instead of red.
    std::array<Text, 2> plain_colour_calls;

    // What procedures did to the controls.
    ControlViews view;

    // Country table and the per-country worked flags of the new-country marker (grow as needed).
    const CountryLookup* countries = &kNoCountries;
    // Contest rules of the chosen type.
    Text rule_file_name;
    std::array<short, 6> rule_values{1, 1, 1, 1, 1, 1};  // SAV, DXCC, WWL, FM, SSB, CW
    short band_multiplier = 0;
    Text database_name;

    std::vector<char> country_worked = std::vector<char>(1001, 0);
    // The table loaded at start (rules/country_table); `countries` points at it. The table is
    // never changed once shared, so copies of the session share it and their `countries` stays valid.
    std::shared_ptr<const CountryTable> country_table;
    // EDI country count: QSOs per country index, the report window's country list (kept
    // sorted) and the number of distinct countries.
    std::vector<long> country_qso_counts = std::vector<long>(1001, 0);
    Combo edi_dxcc_combo;
    long distinct_country_count = 0;
    // Per-QSO flags of the EDI report, one per log line (they grow with the log).
    std::vector<char> duplicate_flags;
    std::vector<char> new_country_flags;

    // QSO entry: what the callsign handler found out about the worked station.
    short current_country_index = 0;
    Text current_continent;
    Text current_country_name;
    Text current_oblast_name;
    short current_oblast_index = 0;  // RUDX oblast mark key
    Text qth_label;                  // information label: country, continent, oblast, YL-OM pairs
    Text qso_label;                  // counter label of the total
    ListBox talalt_log_lista;        // earlier QSOs with the station being typed
    // HSKC or SILENT KEY MEM key worked out for the QSO being entered, added to sort_combo when
    // the QSO is added; empty when there is none.
    Text held_multiplier_key;
    // The callsign whose lookups and prefills were last worked out; adding a QSO whose callsign
    // was changed since (Enter right in the callsign field) works them out first.
    Text evaluated_callsign;

    // Scoring: worked-mark tables (key 0..1000 × band 0..28), counters and the EDI result lists.
    std::vector<char> country_marks = std::vector<char>(kMarkKeys * kMarkBands, 0);
    std::vector<char> oblast_marks = std::vector<char>(kMarkKeys * kMarkBands, 0);
    long dx_multiplier_count = 0;
    long ob_multiplier_count = 0;
    short itu_multiplier_count = 0;
    short sk_multiplier_count = 0;
    std::array<short, 3> rhob_counters{};  // N (highest sent serial), Q (QSOs), M (multipliers)
    Text score_summary;
    std::vector<char> new_square_flags;
    std::vector<char> new_exchange_flags;
    Combo edi_wwl_combo;
    Combo edi_exchange_combo;

    // Report panel (session/report_panel): the EDI QSO list (the CQ-WW-VHF list while that format
    // is chosen), the YL-OM result list and its statistics line, the report text being read and
    // edited, the results/report option and the ADIF header lines of the last YL-OM report.
    ListBox qso_lista;
    ListBox adif_qso_lista;
    Text adif_statisztika_label;
    Text edi_riport_text;
    short edi_valaszto = 0;  // 0 "Eredmények", 1 "Jegyzőkönyv"
    std::array<Text, 4> adif_header_lines;

    // Backups and the multi-purpose panel.
    ListBox backup_lista;  // the log rebuilt from the current band's backup file
    std::array<ListBox, 2> vegyes_lista;
    short vegyes_valaszto = 0;  // which of the two lists is shown
    Combo vegyes_combo;
    Text vegyes_label;
    // The statistics page's chart (session/statistics).
    StatisticsState statistics;
    ImportState import;  // the log import (session/log_import)

    Ports ports;
    static inline const EmptyCountryTable kNoCountries{};

    ContestType contest() const { return contest_type_from_index(szabaly_combo.list_index); }
    Ui& ui() const { return *ports.ui; }
};

}  // namespace loxar
