// The summary viewer: reading a ".SUM" file, searching it and finding a QSO's counterpart.
#include "database/summary_viewer.hpp"

#include "model/file_io.hpp"

namespace loxar {

namespace {

// Only a NUL byte marks a binary file: text written by DOS-era tools keeps its form feeds and
// 0x1A end marks, and those lines are shown as they are.
bool binary_line(std::string_view line) {
    return line.find('\0') != std::string_view::npos;
}

struct QsoKeys {
    Text first, second, key;
};
QsoKeys keys_of(std::string_view line) {
    return {trim(col(line, 17, 12)), trim(col(line, 45, 12)), trim(col(line, 7, 5))};
}

}  // namespace

SummaryRead parse_summary(std::string_view bytes) {
    SummaryRead out;
    LineCursor cursor(bytes);
    std::string_view line;
    if (!cursor.next(line) || input_to_cp1250(line) != hu(u8"Összesítő:")) {
        out.status = SummaryStatus::NotSummary;
        return out;
    }
    while (cursor.next(line)) {
        if (line == "End") return out;
        if (binary_line(line)) {
            out.lines.clear();
            out.status = SummaryStatus::NotText;
            return out;
        }
        if (out.lines.size() >= kMaxSummaryLines) {
            out.status = SummaryStatus::TooLong;
            return out;
        }
        out.lines.push_back(input_to_cp1250(line));
    }
    out.status = SummaryStatus::NoEnd;
    return out;
}

void summary_search(ListBox& list, std::string_view needle) {
    const Text wanted = upper_hu(needle);
    if (wanted.empty()) return;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (upper_hu(list.at(i)).find(wanted) != Text::npos) list.select(i, true);
    }
}

std::optional<std::size_t> summary_counterpart(const std::vector<Text>& lines, std::size_t i) {
    if (i >= lines.size()) return std::nullopt;
    const QsoKeys chosen = keys_of(lines[i]);
    std::optional<std::size_t> found;
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const QsoKeys k = keys_of(lines[j]);
        if (k.first == chosen.second && k.second == chosen.first && k.key == chosen.key) found = j;
    }
    return found;
}

}  // namespace loxar
