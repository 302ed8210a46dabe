// The log file format: "Log records:", a twelve-field header, the log lines, "End".
#pragma once

#include <filesystem>
#include <vector>

#include "core/session.hpp"

namespace loxar {

// A log holds at most 99 999 lines of about 150 bytes; anything far beyond is not a log file.
inline constexpr std::uintmax_t kMaxLogFileBytes = 64u * 1024 * 1024;

// What the header line gives back of the own callsign, locator and operator name.
inline constexpr std::size_t kHeaderCallWidth = 20;
inline constexpr std::size_t kHeaderLocatorWidth = 6;
inline constexpr std::size_t kHeaderNameWidth = 15;

// The header line of the session's current state; a CR, LF or NUL in a field becomes a blank.
Text log_file_header(const Session& s);
// Sets the window fields a header line holds; missing or out-of-range fields leave theirs unchanged.
void apply_log_file_header(Session& s, const Text& header);
// The whole file text for these lines.
Text log_file_text(const Text& header, const std::vector<Text>& lines);

// A log file read whole, before anything of the session is touched.
struct LogFileRead {
    bool exists = false;
    Text problem;  // the message for the operator when the file cannot be used; empty when it can
    std::vector<Text> lines;  // every line of the file, the first one "Log records:"

    bool usable() const { return exists && problem.empty(); }
    // The log lines: those between the header and "End" (or the end of a cut-off file).
    std::size_t qso_count() const;
};
LogFileRead read_log_file(const std::filesystem::path& path);

// Writes the whole log list; an empty list writes nothing and leaves an old file as it was.
// Returns false when the file could not be written.
bool log_mentes(Session& s, const std::filesystem::path& path);
// Appends the lines of a log file to the log list and takes over its header.
void log_beolvasas(Session& s, const std::filesystem::path& forras);
// The same for a file already read (callers that must check it before changing the log).
void log_beolvasas(Session& s, const LogFileRead& file);
// Continues the previous run's log from tmp_log.dat when it exists.
void tmp_log_beolvasas(Session& s);

}  // namespace loxar
