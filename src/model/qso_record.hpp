// The QSO record: the entry fields of the log panel that a log line is built from.
#pragma once

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

struct QsoRecord {
    Text log_ido;  // "yyyy-mm-dd/hh:mm:ss"
    Text kapott_hivojel_text;
    Text kapott_riport_text;
    Text kapott_sorszam_text;
    Text kapott_QRA_text;
    Combo kapott_sex_combo;
    Text kapott_nev_text;
    Text kuldott_riport_text;
    Text kuldott_sorszam_text;
    Text kuldott_nev_text;
    Combo mod_combo;
    Combo sex_combo;
    Text tavolsag_text;
    Text pontszam_text;
    Text log_sorszam_text;
    Text edit_sorszam_text;
    Text band_text;        // first 7 characters of a band-table entry
    Text frekvencia_text;  // "##.###"
    Text hivojel_2_text;
    Text kezelo_text;
    Text qth_text;
};

const std::vector<Text>& mode_items();  // "...", "SSB", "CW", ...
const std::vector<Text>& sex_items();   // ".....", "Nő", "Férfi"
QsoRecord empty_qso_record();           // selectors filled, every text empty

// The index of "CW" among the mode items.
inline constexpr int kModeCw = 2;

// The own station fields of the log panel.
struct StationFields {
    Text hivojel_text;       // own callsign
    Text QRA_text;           // own locator
    Text exch_text;          // own exchange
    Text verseny_neve_text;  // contest name
};

}  // namespace loxar
