// The clock tick that keeps the time field in UTC, and the date check before adding.
#pragma once

#include <optional>

#include "session/session.hpp"

namespace loxar {

// "yyyy-mm-dd/hh:mm:ss" of a local time.
Text format_date_time(const LocalDateTime& t);
// The UTC time for the log: local time minus `offset_index` hours (item k of the offset
// selector means UTC = local - k), stepping back to the previous day when the hour goes negative.
Text utc_log_time(const LocalDateTime& local, int offset_index);
// A valid calendar date written "yyyy-mm-dd".
bool is_date(std::string_view ten_chars);
// A valid time of day written "hh:mm:ss" (00:00:00 to 23:59:59).
bool is_time(std::string_view eight_chars);

// The offset selector's item that makes the logged time UTC on a machine whose local time runs
// `utc_offset_minutes` ahead of UTC; nothing when no item does (another zone, a half hour).
std::optional<int> utc_offset_item(int utc_offset_minutes);
// What the status line says of the logged time: UTC, or how it differs from the machine's UTC.
Text log_time_note(const Session& s);

// One clock tick (every 200 ms).
void Timer1_Timer(Session& s, const LocalDateTime& now);
// True when log_ido holds a valid date and time; false after a message.
[[nodiscard]] bool datum_ellenorzes(Session& s);

}  // namespace loxar
