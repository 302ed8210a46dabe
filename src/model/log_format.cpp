// The log file format: "Log records:", a twelve-field header, the log lines, "End".
#include "model/log_format.hpp"

#include <algorithm>

#include "model/file_io.hpp"
#include "text/text.hpp"

namespace loxar {

namespace fs = std::filesystem;

void append_log_file_head(Text& out, const Text& header) {
    out += "Log records:";
    out += kCrLf;
    out += header;
    out += kCrLf;
}

void append_log_file_line(Text& out, std::string_view line) {
    out += line;
    out += kCrLf;
}

void append_log_file_end(Text& out) {
    out += "End";
    out += kCrLf;
}

Text log_file_text(const Text& header, const std::vector<Text>& lines) {
    std::size_t size = header.size() + 24;
    for (const Text& l : lines) size += l.size() + 2;
    Text out;
    out.reserve(size);
    append_log_file_head(out, header);
    for (const Text& l : lines) append_log_file_line(out, l);
    append_log_file_end(out);
    return out;
}

LogFileRead read_log_file(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return {};
    std::optional<Text> bytes = read_file(path);
    if (!bytes) {
        LogFileRead r;
        r.exists = true;
        r.problem = hu(u8"A LOG file nem olvasható (túl nagy vagy hibás): ") + text_path(path);
        return r;
    }
    return parse_log_file(*bytes);
}

LogFileRead parse_log_file(std::string_view bytes) {
    LogFileRead r;
    r.exists = true;
    LineCursor cursor(bytes);
    std::string_view line;
    if (!cursor.next(line) || line != "Log records:") {
        r.problem = "Nem LOG file!";
        return r;
    }
    r.lines.emplace_back(line);
    if (cursor.next(line)) r.lines.emplace_back(line.substr(0, kMaxLogLineLength));
    // Past the last QSO a log can hold the rest is only searched for its "End".
    while (cursor.next(line)) {
        if (line == "End") {
            r.lines.emplace_back(line);
            break;
        }
        if (r.lines.size() < kMaxLogQsos + 2) {
            r.lines.emplace_back(line.substr(0, kMaxLogLineLength));
        } else {
            ++r.left_out;
        }
    }
    return r;
}

namespace {

// One past the last log line: "End", or the end of a cut-off file.
std::size_t log_lines_end(const std::vector<Text>& lines) {
    std::size_t end = std::min<std::size_t>(2, lines.size());
    while (end < lines.size() && lines[end] != "End") ++end;
    return end;
}

}  // namespace

std::vector<Text> LogFileRead::qso_lines() const {
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(2, lines.size()));
    return {first, lines.begin() + static_cast<std::ptrdiff_t>(log_lines_end(lines))};
}

std::size_t LogFileRead::qso_count() const {
    return log_lines_end(lines) - std::min<std::size_t>(2, lines.size());
}

Text log_lines_left_out_message(std::size_t left_out) {
    return hu(u8"A LOG-ban legfeljebb 99999 QSO lehet, a file további ") + std::to_string(left_out) +
           hu(u8" sorát nem olvastam be!");
}

}  // namespace loxar
