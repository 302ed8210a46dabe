// Log import: the line builders that turn one converted QSO into a log line.
#pragma once

#include <string_view>

#include "exchange/import_state.hpp"
#include "exchange/log_import.hpp"

namespace loxar {

// Blanks, tabs and line ends cut from both ends, without a copy.
std::string_view trimmed(std::string_view v);
// A value from an input file as it may stand in a column: one line, no blanks around it.
Text clean_value(std::string_view v);
// The same written into `target`, whose buffer is reused.
void assign_clean(Text& target, std::string_view v);
// The 3-character mode of a log line for another program's mode word (ADIF MODE, Cabrillo's CW,
// PH, FM, RY, DG, a list's mode): the selector's modes as themselves, AM as "AM ", every other
// digital mode "DIG"; blanks when there is none.
std::string_view import_mode(std::string_view word);
// A received locator from another program: upper-cased, the first 6 characters ("jo61ab12" is
// JO61AB), a square alone as its 4; "AA00AA" for a value the entry check would refuse.
Text import_locator(std::string_view v);

// Every builder appends to `line`, a buffer reused line after line, so that a QSO costs no
// allocation of its own.

// Columns 1-19 of the next converted QSO, from its date and time; the seconds follow the
// previous QSO's (00, or 10 more within the same minute).
void append_date_time(Text& line, ImportState& state);
// The rest of the line after the date and time:
// EDI records (general layout, points from the record).
void append_edi_line(Text& line, const ImportQso& q);
// Cabrillo and ADIF QSOs, by the builder of the contest type: general, QRP or SKM, and for
// CQWW-VHF the CQWW-VHF builder when `cqww_builder` (Cabrillo), the general one otherwise (ADIF).
void append_contest_line(Text& line, const ImportQso& q, const ImportSettings& settings, bool cqww_builder);
// Callsign-list QSOs (general layout, points from the list).
void append_callsign_list_line(Text& line, const ImportQso& q);

}  // namespace loxar
