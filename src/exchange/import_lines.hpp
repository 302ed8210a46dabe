// Log import: the line builders that turn one converted QSO into a log line.
#pragma once

#include <string_view>

#include "exchange/import_state.hpp"
#include "exchange/log_import.hpp"

namespace loxar {

// A value from an input file as it may stand in a column: one line, no blanks around it.
Text clean_value(std::string_view v);
// The same written into `target`, whose buffer is reused.
void assign_clean(Text& target, std::string_view v);
// Columns 1-19 of the next converted QSO, from its date and time; the seconds follow the
// previous QSO's (00, or 10 more within the same minute).
Text date_time(ImportState& state);

// EDI records (general layout, points from the record).
Text edi_line(const ImportQso& q, const Text& stamp);
// Cabrillo and ADIF QSOs, by the builder of the contest type: general, QRP or SKM, and for
// CQWW-VHF the CQWW-VHF builder when `cqww_builder` (Cabrillo), the general one otherwise (ADIF).
Text contest_line(const ImportQso& q, const ImportSettings& settings, const Text& stamp, bool cqww_builder);
// Callsign-list QSOs (general layout, points from the list).
Text callsign_list_line(const ImportQso& q, const Text& stamp);

}  // namespace loxar
