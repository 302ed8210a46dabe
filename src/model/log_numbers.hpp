// Log sequence numbers: worked out from the lines in the log, never stored elsewhere.
#pragma once

#include <string_view>

#include "model/widgets.hpp"
#include "text/text.hpp"

namespace loxar {

// The log sequence number has five digits, so a log holds at most this many QSOs.
inline constexpr std::size_t kMaxLogQsos = 99999;
// Digits of the log sequence number field.
inline constexpr std::size_t kLogNumberWidth = 5;

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

}  // namespace loxar
