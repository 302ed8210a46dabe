// The log file format: "Log records:", a twelve-field header, the log lines, "End".
#pragma once

#include <filesystem>
#include <vector>

#include "core/session.hpp"

namespace loxar {

// The header line of the session's current state.
Text log_file_header(const Session& s);
// Sets the window fields a header line holds; missing fields leave theirs unchanged.
void apply_log_file_header(Session& s, const Text& header);
// The whole file text for these lines.
Text log_file_text(const Text& header, const std::vector<Text>& lines);

// Writes the whole log list; an empty list writes nothing and leaves an old file as it was.
// Returns false when the file could not be written.
bool log_mentes(Session& s, const std::filesystem::path& path);
// Appends the lines of a log file to the log list and takes over its header.
void log_beolvasas(Session& s, const std::filesystem::path& forras);
// Continues the previous run's log from tmp_log.dat when it exists.
void tmp_log_beolvasas(Session& s);

}  // namespace loxar
