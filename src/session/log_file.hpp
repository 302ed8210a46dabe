// Log files and the session: the header of its fields, saving, reading into the log list.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "model/log_format.hpp"
#include "session/numbering.hpp"
#include "session/session.hpp"

namespace loxar {

// The header line of the session's current state; a CR, LF or NUL in a field becomes a blank.
Text log_file_header(const Session& s);
// Sets the window fields a header line holds; missing or out-of-range fields leave theirs unchanged.
void apply_log_file_header(Session& s, const Text& header);

// Writes the whole log list; an empty list writes nothing and leaves an old file as it was.
// Returns false when the file could not be written.
[[nodiscard]] bool log_mentes(Session& s, const std::filesystem::path& path);
// Writes the log to the current band's working save; when it cannot be written the operator gets
// a notice that does not stop the logging (the QSOs are still in the list, the backup and
// tmp_log.dat).
void save_band_log(Session& s);
// Appends the lines of a log file to the log list and takes over its header.
void log_beolvasas(Session& s, const std::filesystem::path& forras);
// The same for a file already read (callers that must check it before changing the log).
void log_beolvasas(Session& s, const LogFileRead& file);
// The worked-country flags rebuilt from the log, for the types that mark new countries
// ("HA-QRP", "DX", "NMARK"); after any change that brings in a whole log.
void worked_countries_from_log(Session& s);
// Continues the previous run's log from tmp_log.dat when it exists.
void tmp_log_beolvasas(Session& s);

}  // namespace loxar
