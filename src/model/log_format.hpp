// The log file format: "Log records:", a twelve-field header, the log lines, "End".
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "model/log_numbers.hpp"
#include "text/text.hpp"

namespace loxar {

// Lines beyond kMaxLogQsos (model/log_numbers) are not read.
// Every layout is shorter than this; a longer line in a file is cut to it.
inline constexpr std::size_t kMaxLogLineLength = 512;

// What the header line gives back of the own callsign, locator and operator name.
inline constexpr std::size_t kHeaderCallWidth = 20;
inline constexpr std::size_t kHeaderLocatorWidth = 6;
inline constexpr std::size_t kHeaderNameWidth = 15;

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

}  // namespace loxar
