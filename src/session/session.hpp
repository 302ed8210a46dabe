// The session: the model of the main window that every procedure reads and writes.
#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "database/database_state.hpp"
#include "exchange/import_state.hpp"
#include "exchange/vegyes_state.hpp"
#include "model/bands.hpp"
#include "model/callsign_index.hpp"
#include "model/chooser_names.hpp"
#include "model/contest_types.hpp"
#include "model/country_lookup.hpp"
#include "model/paths.hpp"
#include "model/qso_record.hpp"
#include "model/view.hpp"
#include "model/widgets.hpp"
#include "reports/report_state.hpp"
#include "reports/sheet_state.hpp"
#include "rules/locator.hpp"
#include "rules/rule_state.hpp"
#include "rules/score_state.hpp"
#include "rules/worked_station.hpp"
#include "session/ports.hpp"
#include "station/rig_state.hpp"
#include "station/station_control.hpp"
#include "statistics/statistics_state.hpp"
#include "text/text.hpp"

namespace loxar {

// What the yes/no dialog asks: nothing, whether to overwrite a file, or the caller's own text.
enum class Question { None, Overwrite, FreeText };

// The variables of the yes/no dialog and the file chooser, shared by every caller.
struct DialogVars {
    Question question_number = Question::None;
    Text question_text;
    Text dialog_answer;  // "OK" for yes, empty otherwise
    ChooserMode chooser_mode = ChooserMode::Confirm;
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
    Text qso_label;  // counter label of the total
    bool real_time_check = true;
    bool automata_check = true;      // database lookup when the callsign is left
    bool auto_torles_check = false;  // clear the entry fields after each QSO

    // Selectors of the log panel.
    Combo szabaly_combo;
    Combo ido_eltolas_combo;
    Combo auto_mentes_combo;
    Combo formatum_combo;
    Combo sort_combo;

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

    // Program-wide.
    Paths paths;
    DialogVars dialog;
    // Own callsigns for which the time field is drawn black instead of red.
    std::array<Text, 2> plain_colour_calls;

    // What procedures did to the controls.
    ControlViews view;

    // Country table.
    const CountryLookup* countries = &kNoCountries;
    // The table loaded at start (rules/country_table); `countries` points at it. The table is
    // never changed once shared, so copies of the session share it and their `countries` stays valid.
    std::shared_ptr<const CountryTable> country_table;

    // The subsystems' state.
    StationControl keyer;  // keying box, calling messages and automatic calling
    RigState rig;          // the radio through Hamlib, and where CW and voice PTT go
    RuleState rules;
    ScoreState score;
    WorkedStation worked;
    ReportState report;
    VegyesState vegyes;          // the multi-purpose panel and the backup list
    DatabaseState db;            // the callsign database and the oblast table
    StatisticsState statistics;  // the statistics page's chart
    ImportState import;          // the log import (session/log_import)

    Ports ports;
    static inline const EmptyCountryTable kNoCountries{};

    ContestType contest() const { return contest_type_from_index(szabaly_combo.list_index); }
    Ui& ui() const { return *ports.ui; }
};

}  // namespace loxar
