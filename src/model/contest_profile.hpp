// What each contest type is, one row per type: its line layout, files, rules it follows and the
// entry panel it shows. A new contest type is a new row here; the layers above map the kinds to
// their procedures.
#pragma once

#include <optional>
#include <string_view>

#include "model/contest_types.hpp"
#include "model/controls.hpp"

namespace loxar {

// How a contest type keeps its log across bands.
enum class BandLog {
    Common,   // one log and one number sequence for every band
    FixedRh,  // RH-OB: one band only (3,5 MHz)
    PerBand,  // one log per band in its working file, each numbered from 1
};

// Which statistics page a contest type gets.
enum class StatisticsPage { None, Vhf, Hadx, CqwwVhf, HaQrp, Rudx, Hskc, SilentKeyMem };

// The band's share of the QSO multiplier.
enum class BandMultiplier {
    Kept,    // the value found stays
    One,     // every band counts the same
    ByBand,  // CQ-BP: the higher bands count more
};

// What the sent serial holds for the next QSO.
enum class SentSerial {
    Number,             // the next log number
    OwnExchange,        // the own exchange, the same in every QSO
    Zero,               // no serials are exchanged: "0"
    OwnQth,             // the own QTH, with the operator's name
    NumberAndExchange,  // the number in three digits, then the own exchange
    Typed,              // what the operator types
};

// The received locator of the entry panel when the type is chosen.
enum class LocatorEntry {
    Kept,   // left as it stands
    Typed,  // the operator types it: cleared
    Fixed,  // the type has none: "AA00AA" stands in
};

// The serial fields of the entry panel when the type is chosen.
enum class SerialEntry {
    Kept,         // left as they stand
    Zero,         // no serials exchanged: both "0"
    OwnQth,       // the own QTH and operator name are sent
    SentCleared,  // the sent one is typed afresh
};

// A control of the entry panel and the caption the type gives it.
struct ControlCaption {
    std::optional<Control> control;
    std::u8string_view text;
};

// The entry panel of a type, set over the common one (`beviteli_mezo_inic`).
struct EntryLayout {
    ControlCaption captions[6] = {};
    std::optional<Control> shown[3] = {};
    std::optional<Control> hidden[7] = {};
    std::optional<Control> disabled[1] = {};
    LocatorEntry locator = LocatorEntry::Kept;
    SerialEntry serials = SerialEntry::Kept;
    const char* distance = nullptr;   // written into the distance field; nullptr keeps it
    const char* frequency = nullptr;  // written into the frequency field; nullptr keeps it
    bool cw_only = false;             // the mode is set to CW
    bool clears_worked_keys = false;  // the worked multiplier keys (`sort_combo`) are forgotten
    bool loads_oblasts = false;       // the Russian oblast table is read
};

// A row names the columns it sets; the others keep these defaults.
struct ContestProfile {
    ContestType type;
    const char* rule_file;      // in SZABALYOK
    const char* database_name;  // SYSTEM/<name>.qra; empty for none
    const char* report_format;  // item of formatum_combo preselected; empty for none
    BandLog band_log;
    LineLayout layout = LineLayout::General;
    const char* database_extension = "qra";  // what the database chooser lists
    short start_band = -1;                   // band-table index the type starts on; -1 keeps the band
    StatisticsPage statistics_page = StatisticsPage::None;
    BandMultiplier band_multiplier = BandMultiplier::Kept;
    SentSerial sent_serial = SentSerial::Number;
    bool numeric_distance = false;  // the general layout writes the distance as a number, not a marker
    bool locator_checked = false;   // the received locator is checked and the QRB worked out from it
    bool duplicate_check = false;   // the log's duplicates are checked (`dupla_ellenorzes`)
    EntryLayout entry = {};
};

// The row of a type; no type chosen ("...") has the IARU files and rules.
const ContestProfile& contest_profile(ContestType t);

}  // namespace loxar
