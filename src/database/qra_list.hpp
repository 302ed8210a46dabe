// The "Hívójel lista" panel: the working list of station records that the operator builds from
// ".qra" files, the entry fields and the log, and writes back as a ".qra" file.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "model/contest_types.hpp"
#include "model/entry_filter.hpp"
#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

// Columns of a working-list record (1-based start, width). After the exchange come the NMARK
// membership text ("Igen" or "Nem"), four blanks and the HADXC number, always the last 3 characters.
namespace qra_col {
inline constexpr std::size_t kCall = 1, kCallWidth = 15;
inline constexpr std::size_t kLocators = 16, kLocatorsWidth = 35;
inline constexpr std::size_t kSlotStep = 7, kSlotWidth = 6, kSlots = 4;
inline constexpr std::size_t kName = 51, kNameWidth = 16;
inline constexpr std::size_t kQth = 67, kQthWidth = 19;
inline constexpr std::size_t kExchange = 86, kExchangeWidth = 6;
inline constexpr std::size_t kTail = 92;
inline constexpr std::size_t kHadxcWidth = 3;
}  // namespace qra_col

inline constexpr std::string_view kQraHeader = "QRA lista";
inline constexpr std::string_view kNone = "NONE";
inline constexpr std::string_view kNoHadxc = "000";

// The panel's entry fields, as the operator typed them (or a double click or a log line set them).
struct QraEntry {
    Text call;
    std::array<Text, 4> locators;
    Text name, qth, exchange;
    bool nmark = false;  // nmark_combo: "Igen" when set
    Text hadxc;
};

// One record's values, read back out of its columns; a blank name, QTH or exchange stays blank
// (a file's empty field), "NONE" is the record's own word for a datum not given.
struct QraValues {
    Text call;
    std::vector<Text> locators;  // the real ones, in order
    Text name = Text(kNone), qth = Text(kNone), exchange = Text(kNone);
    Text nmark = "Nem";
    Text hadxc = Text(kNoHadxc);
};

// The state of the panel, held by the session.
struct QraListPanel {
    ListBox hivojel_qra_lista;  // several entries may be selected
    Text lista_hivojel_text;
    std::array<Text, 4> lista_qra_text;
    Text lista_nev_text, lista_qth_text, lista_exch_text, lista_hadxc_text;
    Combo nmark_combo{{"Nem", "Igen"}, 0};
};

// The list's column heading.
Text qra_list_heading();

// A record of the values: each locator in a 6-character slot, "AA00AA" when there is none;
// "NONE" for an empty name, QTH or exchange.
Text qra_record(const QraValues& v);
QraValues qra_values(const Text& record);

// The records of a ".qra" file; nothing when its first line is not "QRA lista". A record keeps
// the file's fields as they stand (the locators field too, unless it holds parts that are no
// locators), so that qra_file_text gives a file of its own writing back unchanged. `left_out`
// counts the station lines beyond kMaxDatabaseRecords.
struct QraListRead {
    std::vector<Text> records;
    std::size_t left_out = 0;
};
std::optional<QraListRead> parse_qra_list(std::string_view bytes);
// The ".qra" file of the records, "QRA lista" first, CR LF line ends.
Text qra_file_text(const std::vector<Text>& records);

enum class IrasFunkcio : short { Overwrite = 0, Add = 1, MergeLog = 2 };

// Asked when a station's known exchange and a new one differ: true keeps the new one.
using ExchangeQuestion =
    std::function<bool(const Text& call, const Text& new_exchange, const Text& old_exchange)>;

// The record built from the entry fields over the station's record `found` (none: a new station).
// An empty or "NONE" name, QTH or exchange is not given and keeps what the station has, unless
// overwriting. The HADXC number is the field's ("000" when empty); only under MergeLog does the
// station keep its own number, and its NMARK membership.
Text merged_record(const std::optional<Text>& found, const QraEntry& e, IrasFunkcio f,
                   const ExchangeQuestion& ask);

// First record whose callsign columns, trimmed, equal `call`; -1 when none.
long find_station(const std::vector<Text>& records, std::string_view call);
// Puts `record` in place of `found` (removed) at the end of the list; the index to select
// afterwards (the found record's former position), or -1 when nothing was found.
long replace_station(std::vector<Text>& records, long found, Text record);

// The entry fields "LOG feldolgozás" takes from one log line of the contest type; false for
// a type whose lines hold no station to keep.
bool entry_from_log_line(std::string_view line, ContestType type, QraEntry& e);
// "LOG feldolgozás" over the whole log: the entry fields start as "not given" and end as the
// last line left them. Returns the index to select: the last known station's former position,
// -1 when every station was new.
long merge_log(std::vector<Text>& records, const std::vector<Text>& log, ContestType type, QraEntry& e,
               const ExchangeQuestion& ask);

// As-you-type selection: first record holding `typed` (trimmed) starting within its first 11
// characters; -1 when none, or when it is blank.
long find_typed(const std::vector<Text>& records, std::string_view typed);
// The entry fields a double click on `record` fills.
QraEntry entry_of_record(const Text& record);

}  // namespace loxar
