// The log file format: "Log records:", a twelve-field header, the log lines, "End".
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "core/numbering.hpp"
#include "core/session.hpp"

namespace loxar {

// Lines beyond kMaxLogQsos (core/numbering) are not read.
// Every layout is shorter than this; a longer line in a file is cut to it.
inline constexpr std::size_t kMaxLogLineLength = 512;

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
// The same text written piece by piece, for a writer that makes its lines one at a time: the
// head, then each line, then the end.
void append_log_file_head(Text& out, const Text& header);
void append_log_file_line(Text& out, std::string_view line);
void append_log_file_end(Text& out);

// A log file read whole, before anything of the session is touched.
struct LogFileRead {
    bool exists = false;
    Text problem;  // the message for the operator when the file cannot be used; empty when it can
    // "Log records:", the header, at most kMaxLogQsos log lines, then "End" when the file has it
    // (lines after "End" are never read).
    std::vector<Text> lines;
    std::size_t left_out = 0;  // log lines beyond kMaxLogQsos, counted but not kept

    bool usable() const { return exists && problem.empty(); }
    // The log lines: those between the header and "End" (or the end of a cut-off file).
    std::vector<Text> qso_lines() const;
    std::size_t qso_count() const;
};
LogFileRead read_log_file(const std::filesystem::path& path);
// The same for the bytes of a file.
LogFileRead parse_log_file(std::string_view bytes);
// What the operator is told when log lines were left out.
Text log_lines_left_out_message(std::size_t left_out);

// Writes the whole log list; an empty list writes nothing and leaves an old file as it was.
// Returns false when the file could not be written.
bool log_mentes(Session& s, const std::filesystem::path& path);
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
