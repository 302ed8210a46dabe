// Log sequence numbers: worked out from the lines in the log, never stored elsewhere.
#pragma once

#include <string_view>

#include "core/session.hpp"

namespace loxar {

// The log sequence number has five digits, so a log holds at most this many QSOs.
inline constexpr std::size_t kMaxLogQsos = 99999;

// Column of a line's 5-digit log sequence number: 96 on a listener's (SWL) line, whose columns
// 87-94 hold the second station's serial, 87 on every other layout. A line counts as a listener's
// line by its own separators ("=" in columns 29 and 95), so a log read under another contest type
// never gets its serials overwritten.
std::size_t log_number_column(std::string_view line);
// The log sequence number field of a line (5 characters, fewer when the line is short).
Text log_number_field(std::string_view line);
// The line with `number` (5 digits) written into its log sequence number field.
Text with_log_number(std::string_view line, long number);

// The largest numeric log sequence number of the lines; 0 for none.
long largest_log_number(const ListBox& log);
// Fills log_sorszam_text and the sent serial for the next QSO.
void kovetkezo_sorszam_rutin(Session& s);
// True, after a beep and "A LOG megtelt..." for the operator, when a log of `qsos` QSOs (or whose
// last QSO would get the number `qsos`) cannot be numbered in five digits.
bool log_overflows(Session& s, std::size_t qsos);
// Renumbers every line 1..N in list order.
void sorszamozas(Session& s);

}  // namespace loxar
